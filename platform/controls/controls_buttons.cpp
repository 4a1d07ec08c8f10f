// Buttons, statics, tab strips and tool tips.
#include "platform/controls/control_widgets.h"
#include "platform/controls/controls.h"
#include "platform/gdi/gdi_icons.h"
#include "platform/window/control_colours.h"
#include "platform/window/window_dispatch.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCursor>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTimer>
#include <QToolTip>

namespace {

QAbstractButton* Button(QWidget* w)
{
    return qobject_cast<QAbstractButton*>(w);
}

QIcon IconOf(HBITMAP bitmap)
{
    return bitmap ? QIcon(QPixmap::fromImage(bitmap->image)) : QIcon();
}

// The size a button's picture is drawn at: its own, or, when it is larger
// than the button's face (a large-scale picture on a button laid out for a
// smaller scale), shrunk smoothly to the face with its proportions kept, so
// that it is never cut at the edges.
QSize PictureSizeOnFace(const QAbstractButton* button, QSize picture)
{
    constexpr int kFaceMargin = 4;  // each side, inside the button's edge
    const QSize face = (button->size() - QSize(2 * kFaceMargin, 2 * kFaceMargin)).expandedTo(QSize(1, 1));
    if (picture.width() <= face.width() && picture.height() <= face.height())
        return picture;
    return picture.scaled(face, Qt::KeepAspectRatio);
}

}  // namespace

int CButton::GetCheck() const
{
    QAbstractButton* b = Button(m_widget);
    return b && b->isCheckable() && b->isChecked() ? 1 : 0;
}

void CButton::SetCheck(int check)
{
    QAbstractButton* b = Button(m_widget);
    if (!b || !b->isCheckable())
        return;
    const QSignalBlocker quiet(b);
    // An exclusive group keeps its checked button; the call clears it all the same.
    QButtonGroup* group = b->group();
    if (check == 0 && group && group->exclusive() && b->isChecked()) {
        group->setExclusive(false);
        b->setChecked(false);
        group->setExclusive(true);
        return;
    }
    b->setChecked(check != 0);
}

UINT CButton::GetState() const
{
    QAbstractButton* b = Button(m_widget);
    if (!b)
        return 0;
    return static_cast<UINT>(GetCheck()) | (b->isDown() ? 0x0004u : 0u) | (b->hasFocus() ? 0x0008u : 0u);
}

void CButton::SetState(BOOL highlight)
{
    if (QAbstractButton* b = Button(m_widget))
        b->setDown(highlight != FALSE);
}

HBITMAP CButton::SetBitmap(HBITMAP bitmap)
{
    HBITMAP old = std::exchange(m_bitmap, bitmap);
    if (QAbstractButton* b = Button(m_widget)) {
        b->setIcon(IconOf(bitmap));
        if (bitmap)
            b->setIconSize(PictureSizeOnFace(b, bitmap->image.size()));
    }
    return old;
}

HBITMAP CButton::GetBitmap() const
{
    return m_bitmap;
}

LRESULT CButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case BM_GETCHECK:
        return GetCheck();
    case BM_SETCHECK:
        SetCheck(static_cast<int>(wParam));
        return 0;
    case BM_CLICK:
        if (QAbstractButton* b = Button(m_widget))
            b->click();
        return 0;
    case BM_SETIMAGE:
        return reinterpret_cast<LRESULT>(SetBitmap(reinterpret_cast<HBITMAP>(lParam)));
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CBitmapButton::SetBitmaps(CBitmap* up, CBitmap* down, CBitmap* disabled)
{
    QAbstractButton* b = Button(m_widget);
    if (!b || !up || !up->m_hObject)
        return;
    QIcon icon(QPixmap::fromImage(*up->GetImage()));
    if (down && down->m_hObject)
        icon.addPixmap(QPixmap::fromImage(*down->GetImage()), QIcon::Active, QIcon::On);
    if (disabled && disabled->m_hObject)
        icon.addPixmap(QPixmap::fromImage(*disabled->GetImage()), QIcon::Disabled);
    b->setIcon(icon);
    b->setIconSize(PictureSizeOnFace(b, up->GetImage()->size()));
}

HBITMAP CStatic::SetBitmap(HBITMAP bitmap)
{
    HBITMAP old = std::exchange(m_bitmap, bitmap);
    if (GetSurface()) {
        Invalidate(TRUE);  // a picture control: drawn by its WM_PAINT
        UpdateWindow();
    } else if (auto* label = qobject_cast<QLabel*>(m_widget)) {
        label->setPixmap(bitmap ? QPixmap::fromImage(bitmap->image) : QPixmap());
    }
    return old;
}

void CStatic::SetTextAlign(DWORD align)
{
    auto* label = qobject_cast<QLabel*>(m_widget);
    if (!label)
        return;
    const Qt::Alignment horizontal = (align & 0x3) == SS_CENTER ? Qt::AlignHCenter
        : (align & 0x3) == SS_RIGHT                             ? Qt::AlignRight
                                                                : Qt::AlignLeft;
    label->setAlignment(horizontal | (label->alignment() & Qt::AlignVertical_Mask));
}

GdiIcon* CStatic::SetIcon(GdiIcon* icon)
{
    GdiIcon* old = std::exchange(m_icon, icon);
    if (GetSurface()) {
        Invalidate(TRUE);
        UpdateWindow();
    } else if (auto* label = qobject_cast<QLabel*>(m_widget)) {
        label->setPixmap(icon ? QPixmap::fromImage(icon->image) : QPixmap());
    }
    return old;
}

LRESULT CStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case STM_SETICON:
        return reinterpret_cast<LRESULT>(SetIcon(reinterpret_cast<GdiIcon*>(wParam)));
    case STM_GETICON:
        return reinterpret_cast<LRESULT>(m_icon);
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CStatic::OnPaint()
{
    // A text static asks for its colours when it is invalidated (control_colours.h).
    if (ControlKind kind{}; ControlKindOf(GetWidget(), &kind) && kind != ControlKind::Picture)
        return;
    CPaintDC dc(this);
    // The parent may draw into the control while it asks for its colours.
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
            reinterpret_cast<LPARAM>(GetSafeHwnd()));
    if (m_bitmap) {
        CDC memory;
        memory.CreateCompatibleDC(&dc);
        ::SelectObject(memory.GetSafeHdc(), m_bitmap);
        dc.BitBlt(0, 0, m_bitmap->image.width(), m_bitmap->image.height(), &memory, 0, 0, SRCCOPY);
    }
    if (m_icon)
        DrawIconEx(dc.GetSafeHdc(), 0, 0, m_icon, 0, 0, 0, nullptr, DI_NORMAL);
    const QImage* surface = GetSurface();
    const DWORD frame = m_style & 0x1F;
    if (surface && (frame == SS_BLACKFRAME || frame == SS_ETCHEDFRAME || (m_style & SS_SUNKEN))) {
        const COLORREF colour = frame == SS_BLACKFRAME ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNSHADOW);
        CBrush brush(colour);
        const RECT r{0, 0, surface->width(), surface->height()};
        dc.FrameRect(&r, &brush);
    }
}

// ---- tab strip ----

namespace {
QTabBar* Tabs(QWidget* w)
{
    return qobject_cast<QTabBar*>(w);
}
}  // namespace

LONG CTabCtrl::InsertItem(int index, const QString& text)
{
    QTabBar* t = Tabs(m_widget);
    if (!t)
        return -1;
    const QSignalBlocker quiet(t);
    return t->insertTab(index, text);
}

BOOL CTabCtrl::DeleteItem(int index)
{
    QTabBar* t = Tabs(m_widget);
    if (!t || index < 0 || index >= t->count())
        return FALSE;
    const QSignalBlocker quiet(t);
    t->removeTab(index);
    return TRUE;
}

BOOL CTabCtrl::DeleteAllItems()
{
    QTabBar* t = Tabs(m_widget);
    if (!t)
        return FALSE;
    const QSignalBlocker quiet(t);
    while (t->count() > 0)
        t->removeTab(0);
    return TRUE;
}

int CTabCtrl::GetItemCount() const
{
    QTabBar* t = Tabs(m_widget);
    return t ? t->count() : 0;
}

int CTabCtrl::GetCurSel() const
{
    QTabBar* t = Tabs(m_widget);
    return t ? t->currentIndex() : -1;
}

int CTabCtrl::SetCurSel(int index)
{
    QTabBar* t = Tabs(m_widget);
    if (!t || index < 0 || index >= t->count())
        return -1;
    const QSignalBlocker quiet(t);
    const int old = t->currentIndex();
    t->setCurrentIndex(index);
    return old;
}

BOOL CTabCtrl::GetItemRect(int index, RECT* rect) const
{
    QTabBar* t = Tabs(m_widget);
    if (!t || !rect || index < 0 || index >= t->count())
        return FALSE;
    const QRect r = t->tabRect(index);
    *rect = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    return TRUE;
}

CSize CTabCtrl::SetItemSize(CSize size)
{
    auto* t = dynamic_cast<TabStripWidget*>(m_widget);
    if (!t)
        return CSize(0, 0);
    const QSize old = t->fixedItemSize;
    t->fixedItemSize = QSize(size.cx, size.cy);
    // The bar lays its items out again at the new size.
    t->setIconSize(t->iconSize());
    return CSize(old.width(), old.height());
}

void CTabCtrl::AdjustRect(BOOL larger, RECT* rect) const
{
    QTabBar* t = Tabs(m_widget);
    if (!t || !rect)
        return;
    const int tabs = t->sizeHint().height();
    if (larger)
        rect->top -= tabs;
    else
        rect->top += tabs;
}

// ---- tool tips ----

// The desktop has one tool-tip delay for the whole program; each tip control
// has its own. The tools keep their texts, and the tip is shown from here
// once the pointer has rested on a tool for the initial delay.
class ToolTipTimer : public QObject {
public:
    int initialMs = 500;
    int autoPopMs = 5000;

    ToolTipTimer()
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { ShowPending(); });
    }
    void Watch(QWidget* tool)
    {
        tool->removeEventFilter(this);
        tool->installEventFilter(this);
    }
    void Forget(QWidget* tool)
    {
        tool->removeEventFilter(this);
        if (m_pending == tool)
            m_timer.stop();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* tool = qobject_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::ToolTip:
            return true;  // the desktop's delay is not ours
        case QEvent::Enter:
        case QEvent::MouseMove:
            if (!QToolTip::isVisible()) {
                m_pending = tool;
                m_timer.start(initialMs);
            }
            break;
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::Hide:
            if (m_pending == tool)
                m_timer.stop();
            QToolTip::hideText();
            break;
        default:
            break;
        }
        return false;
    }

private:
    QTimer m_timer;
    QPointer<QWidget> m_pending;

    void ShowPending()
    {
        if (m_pending && m_pending->underMouse() && !m_pending->toolTip().isEmpty())
            QToolTip::showText(QCursor::pos(), m_pending->toolTip(), m_pending, QRect(), autoPopMs);
    }
};

CToolTipCtrl::CToolTipCtrl() : m_timer(std::make_unique<ToolTipTimer>())
{
}

CToolTipCtrl::~CToolTipCtrl() = default;

BOOL CToolTipCtrl::Create(CWnd*, DWORD)
{
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* tool, const QString& text)
{
    if (!tool || !tool->GetWidget())
        return FALSE;
    m_tips.insert(tool->GetSafeHwnd(), text);
    tool->GetWidget()->setToolTip(m_active ? text : QString());
    tool->GetWidget()->setToolTipDuration(m_autoPop);
    m_timer->Watch(tool->GetWidget());
    return TRUE;
}

void CToolTipCtrl::UpdateTipText(const QString& text, CWnd* tool)
{
    if (tool && m_tips.contains(tool->GetSafeHwnd()))
        AddTool(tool, text);
}

void CToolTipCtrl::DelTool(CWnd* tool)
{
    if (!tool)
        return;
    m_tips.remove(tool->GetSafeHwnd());
    if (tool->GetWidget()) {
        tool->GetWidget()->setToolTip(QString());
        m_timer->Forget(tool->GetWidget());
    }
}

void CToolTipCtrl::Activate(BOOL active)
{
    m_active = active != FALSE;
    for (auto it = m_tips.cbegin(); it != m_tips.cend(); ++it)
        if (CWnd* w = CWnd::FromHandle(it.key()); w && w->GetWidget())
            w->GetWidget()->setToolTip(m_active ? it.value() : QString());
}

void CToolTipCtrl::SetDelayTime(DWORD which, int milliseconds)
{
    if (which == TTDT_INITIAL)
        m_timer->initialMs = milliseconds;
    if (which == TTDT_AUTOPOP) {
        m_timer->autoPopMs = milliseconds;
        m_autoPop = milliseconds;
        for (auto it = m_tips.cbegin(); it != m_tips.cend(); ++it)
            if (CWnd* w = CWnd::FromHandle(it.key()); w && w->GetWidget())
                w->GetWidget()->setToolTipDuration(milliseconds);
    }
}

int CToolTipCtrl::SetMaxTipWidth(int width)
{
    return width;
}

void CToolTipCtrl::FollowMouse(MSG* msg)
{
    if (msg->message != WM_MOUSEMOVE)
        return;
    if (m_tips.contains(msg->hwnd))
        RelayEvent(msg);
    else
        Pop();
}

void CToolTipCtrl::Pop()
{
    QToolTip::hideText();
}
