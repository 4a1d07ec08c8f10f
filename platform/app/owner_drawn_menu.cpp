#include "platform/app/owner_drawn_menu.h"

#include "platform/gdi/gdi_dc.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace {

constexpr const char* kOwnerProperty = "kestrelMenuOwner";
constexpr const char* kOwnerDrawnProperty = "kestrelOwnerDrawn";
constexpr const char* kItemIdProperty = "kestrelItemId";
constexpr const char* kItemDataProperty = "kestrelItemData";

HWND OwnerOf(const QWidget* menu)
{
    for (const QObject* o = menu; o; o = o->parent()) {
        const QVariant v = o->property(kOwnerProperty);
        if (v.isValid())
            return reinterpret_cast<HWND>(v.value<quintptr>());
    }
    return nullptr;
}

// The marked item the style is asked about. Measuring happens before the
// items have places, so there it is found by its text (items of equal text
// measure alike).
QAction* ItemAt(const QMenu* menu, const QStyleOptionMenuItem& option, bool byPlace)
{
    if (byPlace) {
        QAction* a = menu->actionAt(option.rect.center());
        return a && IsOwnerDrawn(a) ? a : nullptr;
    }
    for (QAction* a : menu->actions())
        if (IsOwnerDrawn(a) && a->text() == option.text)
            return a;
    return nullptr;
}

class OwnerDrawnMenuStyle : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
        const QWidget* widget) const override
    {
        if (type == CT_MenuItem)
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option))
                if (const auto* menu = qobject_cast<const QMenu*>(widget))
                    if (QAction* a = ItemAt(menu, *item, false); a && IsWindow(OwnerOf(menu))) {
                        MEASUREITEMSTRUCT mis;
                        mis.itemID = a->property(kItemIdProperty).toUInt();
                        mis.itemData = a->property(kItemDataProperty).value<UINT_PTR>();
                        SendMessageW(OwnerOf(menu), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
                        return QSize(static_cast<int>(mis.itemWidth), static_cast<int>(mis.itemHeight));
                    }
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget) const override
    {
        if (element == CE_MenuItem)
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option))
                if (const auto* menu = qobject_cast<const QMenu*>(widget))
                    if (QAction* a = ItemAt(menu, *item, true); a && IsWindow(OwnerOf(menu))) {
                        DrawOwnerDrawnItem(*menu, *item, *a, *painter);
                        return;
                    }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget) const override
    {
        // The panel around owner-drawn items takes the menu colour they are drawn on.
        if (element == PE_PanelMenu && qobject_cast<const QMenu*>(widget)) {
            painter->fillRect(option->rect, ColorOf(COLOR_MENU));
            painter->setPen(ColorOf(COLOR_BTNSHADOW));
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    static QColor ColorOf(int index)
    {
        const COLORREF c = GetSysColor(index);
        return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
    }

    void DrawOwnerDrawnItem(
        const QMenu& menu, const QStyleOptionMenuItem& option, QAction& item, QPainter& painter) const
    {
        QImage image(option.rect.size(), QImage::Format_RGB32);
        image.fill(ColorOf(COLOR_MENU));
        HDC dc = CreateSurfaceDc(&image, nullptr);
        DRAWITEMSTRUCT dis;
        dis.itemID = item.property(kItemIdProperty).toUInt();
        dis.itemData = item.property(kItemDataProperty).value<UINT_PTR>();
        if (option.state & State_Selected)
            dis.itemState |= ODS_SELECTED;
        if (!item.isEnabled())
            dis.itemState |= ODS_GRAYED | ODS_DISABLED;
        if (item.isChecked())
            dis.itemState |= ODS_CHECKED;
        dis.hDC = dc;
        dis.rcItem = RECT{0, 0, image.width(), image.height()};
        SendMessageW(OwnerOf(&menu), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
        DeleteDC(dc);
        painter.drawImage(option.rect.topLeft(), image);
        // The menu draws the arrow of an item that opens a submenu.
        if (item.menu()) {
            QStyleOption arrow = option;
            const int side = option.rect.height() / 2;
            arrow.rect = QRect(option.rect.right() - side - 2, option.rect.top() + side / 2, side, side);
            QProxyStyle::drawPrimitive(PE_IndicatorArrowRight, &arrow, &painter, &menu);
        }
    }
};

QStyle* OwnerDrawnStyle()
{
    // One style for every owner-drawn menu, kept for the life of the application.
    static QPointer<OwnerDrawnMenuStyle> style;
    if (!style) {
        style = new OwnerDrawnMenuStyle;
        style->setParent(qApp);
    }
    return style;
}

}  // namespace

void SetMenuOwner(QMenu* menu, HWND owner)
{
    if (!menu)
        return;
    menu->setProperty(kOwnerProperty, QVariant::fromValue(reinterpret_cast<quintptr>(owner)));
    menu->setStyle(OwnerDrawnStyle());
    for (QAction* a : menu->actions())
        if (a->menu())
            a->menu()->setStyle(OwnerDrawnStyle());
}

void MarkOwnerDrawn(QAction* item, UINT id, UINT_PTR data)
{
    item->setProperty(kOwnerDrawnProperty, true);
    item->setProperty(kItemIdProperty, id);
    item->setProperty(kItemDataProperty, QVariant::fromValue(data));
    if (QMenu* sub = item->menu())
        sub->setStyle(OwnerDrawnStyle());
}

bool IsOwnerDrawn(const QAction* item)
{
    return item && item->property(kOwnerDrawnProperty).toBool();
}
