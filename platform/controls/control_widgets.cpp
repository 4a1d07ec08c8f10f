// Building a control's Qt widget from its template entry and wiring the
// user's actions on it to the platform's notifications.
#include "platform/controls/control_widgets.h"
#include "platform/controls/controls.h"
#include "platform/controls/list_ctrl.h"
#include "platform/controls/list_view_widget.h"
#include "platform/controls/tree_ctrl.h"
#include "platform/controls/tree_view_widget.h"
#include "platform/window/control_colours.h"
#include "platform/window/window_dispatch.h"
#include "platform/window/window_registry.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QTabBar>
#include <QTextDocument>
#include <QTextOption>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const kIdProperty = "kestrel_control_id";
const char* const kKindProperty = "kestrel_control_kind";

int ControlId(const QWidget* control)
{
    return control->property(kIdProperty).toInt();
}

HWND ParentHandle(QWidget* control)
{
    CWnd* parent = WindowDispatch::FromWidget(control->parentWidget(), true);
    return parent ? parent->GetSafeHwnd() : nullptr;
}

// Focus changes and clicks of controls that Qt reports only as events.
class ControlEventFilter : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* w = qobject_cast<QWidget*>(object);
        if (!w)
            return false;
        const auto kind = static_cast<ControlKind>(w->property(kKindProperty).toInt());
        switch (event->type()) {
        case QEvent::FocusIn:
            if (kind == ControlKind::Edit)
                NotifyCommand(w, EN_SETFOCUS);
            else if (kind == ControlKind::ComboBox)
                NotifyCommand(w, CBN_SETFOCUS);
            break;
        case QEvent::FocusOut:
            if (kind == ControlKind::Edit)
                NotifyCommand(w, EN_KILLFOCUS);
            else if (kind == ControlKind::ComboBox)
                NotifyCommand(w, CBN_KILLFOCUS);
            break;
        case QEvent::MouseButtonRelease:
            if (kind == ControlKind::Slider) {
                // Posted, so that they follow the slider's own release handling.
                const HWND hwnd = HwndFromWidget(w);
                const HWND parent = ParentHandle(w);
                const bool vertical = static_cast<QSlider*>(w)->orientation() == Qt::Vertical;
                PostMessageW(parent, vertical ? WM_VSCROLL : WM_HSCROLL,
                    MAKEWPARAM(TB_ENDTRACK, static_cast<QSlider*>(w)->value()),
                    reinterpret_cast<LPARAM>(hwnd));
                NMHDR header;
                NotifyParent(w, NM_RELEASEDCAPTURE, &header);
            } else if (kind == ControlKind::Text) {
                NotifyCommand(w, STN_CLICKED);
            }
            break;
        case QEvent::MouseButtonDblClick:
            if (kind == ControlKind::Text)
                NotifyCommand(w, STN_DBLCLK);
            break;
        case QEvent::Show:
            AskControlColours(WindowDispatch::FromWidget(w, false));
            break;
        default:
            break;
        }
        return false;
    }
};

ControlEventFilter* TheControlFilter()
{
    static auto* filter = new ControlEventFilter;
    return filter;
}

Qt::Alignment StaticAlignment(DWORD style)
{
    switch (style & 0x3) {
    case SS_CENTER:
        return Qt::AlignHCenter | Qt::AlignTop;
    case SS_RIGHT:
        return Qt::AlignRight | Qt::AlignTop;
    default:
        return Qt::AlignLeft | Qt::AlignTop;
    }
}

QAbstractButton* MakePushLikeCheckBox(const DialogControl& c, const QString& text, QWidget* parent)
{
    auto* b = new PushLikeCheckBox(parent);
    b->setCheckable(true);
    b->manual = (c.style & 0xF) != BS_AUTOCHECKBOX;
    b->setText(text);
    // A picture alone when it shows one, as bitmap buttons do; else its text.
    b->setToolButtonStyle((c.style & BS_BITMAP) ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
    return b;
}

QWidget* MakeButton(const DialogControl& c, QWidget* parent)
{
    QAbstractButton* b = nullptr;
    const QString text = QString::fromUtf16(c.text ? c.text : u"");
    switch (c.kind) {
    case ControlKind::CheckBox:
        if (c.style & BS_PUSHLIKE) {
            b = MakePushLikeCheckBox(c, text, parent);
            break;
        }
        b = (c.style & 0xF) == BS_AUTOCHECKBOX ? new QCheckBox(text, parent)
                                               : new ManualCheckBox(text, parent);
        break;
    case ControlKind::RadioButton:
        b = (c.style & 0xF) == BS_AUTORADIOBUTTON ? new QRadioButton(text, parent)
                                                  : new ManualRadioButton(text, parent);
        b->setAutoExclusive(false);  // groups are made by the dialog, per WS_GROUP
        break;
    case ControlKind::BitmapButton: {
        // A bitmap button shows its bitmap alone; its text stays its window text.
        auto* tool = new QToolButton(parent);
        tool->setText(text);
        tool->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b = tool;
        break;
    }
    default: {
        auto* push = new QPushButton(text, parent);
        push->setAutoDefault(false);  // Enter is the dialog's (default id), not Qt's
        push->setDefault(c.kind == ControlKind::DefPushButton);
        b = push;
        break;
    }
    }
    QObject::connect(b, &QAbstractButton::clicked, b, [b] { NotifyCommand(b, BN_CLICKED); });
    return b;
}

QWidget* MakeEdit(const DialogControl& c, QWidget* parent)
{
    const QString text = QString::fromUtf16(c.text ? c.text : u"");
    if (c.style & ES_MULTILINE) {
        auto* e = new QPlainTextEdit(text, parent);
        QTextOption option = e->document()->defaultTextOption();
        option.setAlignment((c.style & 0x3) == ES_CENTER ? Qt::AlignHCenter
                : (c.style & 0x3) == ES_RIGHT            ? Qt::AlignRight
                                                         : Qt::AlignLeft);
        e->document()->setDefaultTextOption(option);
        // Scroll bars only where the style asks for them.
        e->setVerticalScrollBarPolicy(
            (c.style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        e->setHorizontalScrollBarPolicy(
            (c.style & WS_HSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        if (c.style & ES_READONLY) {
            // A display: no caret, even while it has the focus.
            e->setReadOnly(true);
            e->setCursorWidth(0);
            e->setTextInteractionFlags(Qt::TextSelectableByMouse);
        }
        QObject::connect(e, &QPlainTextEdit::textChanged, e, [e] { NotifyCommand(e, EN_CHANGE); });
        return e;
    }
    auto* e = new QLineEdit(text, parent);
    e->setAlignment((c.style & 0x3) == ES_CENTER ? Qt::AlignHCenter
            : (c.style & 0x3) == ES_RIGHT        ? Qt::AlignRight
                                                 : Qt::AlignLeft);
    e->setReadOnly(c.style & ES_READONLY);
    if (c.style & ES_NUMBER)
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    QObject::connect(e, &QLineEdit::textChanged, e, [e] { NotifyCommand(e, EN_CHANGE); });
    return e;
}

QWidget* MakeCombo(const DialogControl& c, QWidget* parent)
{
    auto* combo = new NotifyingComboBox(parent);
    combo->setEditable((c.style & 0x3) == CBS_DROPDOWN);
    combo->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(combo, &QComboBox::activated, combo, [combo] {
        NotifyCommand(combo, CBN_SELCHANGE);
        NotifyCommand(combo, CBN_SELENDOK);
    });
    if (combo->lineEdit())
        QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
            [combo] { NotifyCommand(combo, CBN_EDITCHANGE); });
    return combo;
}

QWidget* MakeList(const DialogControl& c, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setSelectionMode((c.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))
            ? QAbstractItemView::ExtendedSelection
            : QAbstractItemView::SingleSelection);
    QObject::connect(
        list, &QListWidget::currentRowChanged, list, [list] { NotifyCommand(list, LBN_SELCHANGE); });
    QObject::connect(
        list, &QListWidget::itemDoubleClicked, list, [list] { NotifyCommand(list, LBN_DBLCLK); });
    return list;
}

UINT SliderCode(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        return TB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub:
        return TB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd:
        return TB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub:
        return TB_PAGEUP;
    case QAbstractSlider::SliderToMinimum:
        return TB_TOP;
    case QAbstractSlider::SliderToMaximum:
        return TB_BOTTOM;
    default:
        return TB_THUMBTRACK;
    }
}

QWidget* MakeSlider(const DialogControl& c, QWidget* parent)
{
    const bool vertical = c.style & TBS_VERT;
    auto* s = new QSlider(vertical ? Qt::Vertical : Qt::Horizontal, parent);
    s->setTickPosition((c.style & TBS_NOTICKS) ? QSlider::NoTicks : QSlider::TicksBelow);
    s->setRange(0, 100);
    // The user's moves reach the parent as scroll messages with the new position.
    QObject::connect(s, &QAbstractSlider::actionTriggered, s, [s, vertical](int action) {
        if (action == QAbstractSlider::SliderMove && s->isSliderDown())
            return;  // reported by sliderMoved
        // Qt tells before it takes the new position; the parent reads it as taken.
        s->setValue(s->sliderPosition());
        NotifyScroll(s, vertical, SliderCode(action), s->value());
    });
    QObject::connect(s, &QAbstractSlider::sliderMoved, s, [s, vertical](int pos) {
        s->setValue(pos);
        NotifyScroll(s, vertical, TB_THUMBTRACK, pos);
    });
    QObject::connect(s, &QAbstractSlider::sliderReleased, s,
        [s, vertical] { NotifyScroll(s, vertical, TB_THUMBPOSITION, s->value()); });
    return s;
}

QWidget* MakeStatic(const DialogControl& c, QWidget* parent)
{
    if (c.kind == ControlKind::GroupBox) {
        auto* g = new QGroupBox(QString::fromUtf16(c.text ? c.text : u""), parent);
        return g;
    }
    auto* label = new QLabel(QString::fromUtf16(c.text ? c.text : u""), parent);
    label->setAlignment((c.style & SS_CENTERIMAGE)
            ? (StaticAlignment(c.style) & ~Qt::AlignTop) | Qt::AlignVCenter
            : StaticAlignment(c.style));
    label->setWordWrap(!(c.style & SS_CENTERIMAGE));
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

ComboGeometry ComboGeometryFor(int requestedHeight, int naturalHeight, int rowHeight)
{
    if (requestedHeight <= naturalHeight)
        return {requestedHeight, 0};
    return {naturalHeight, std::max(1, (requestedHeight - naturalHeight) / std::max(1, rowHeight))};
}

void PlaceComboBox(QComboBox* combo, const QRect& rect)
{
    const int row = combo->fontMetrics().height() + 2;
    const ComboGeometry g = ComboGeometryFor(rect.height(), combo->sizeHint().height(), row);
    combo->setGeometry(rect.x(), rect.y(), rect.width(), g.closedHeight);
    if (g.visibleRows > 0)
        combo->setMaxVisibleItems(g.visibleRows);
}

void NotifyingComboBox::showPopup()
{
    NotifyCommand(this, CBN_DROPDOWN);
    popupShown = true;
    QComboBox::showPopup();
}

void NotifyingComboBox::hidePopup()
{
    QComboBox::hidePopup();
    if (std::exchange(popupShown, false))
        NotifyCommand(this, CBN_CLOSEUP);
}

void NotifyCommand(QWidget* control, UINT code)
{
    const HWND parent = ParentHandle(control);
    const WidgetEventScope scope;
    if (parent)
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(ControlId(control), code),
            reinterpret_cast<LPARAM>(HwndFromWidget(control)));
}

LRESULT NotifyParent(QWidget* control, UINT code, NMHDR* header)
{
    const HWND parent = ParentHandle(control);
    if (!parent || !header)
        return 0;
    header->hwndFrom = HwndFromWidget(control);
    header->idFrom = static_cast<UINT_PTR>(ControlId(control));
    header->code = code;
    const WidgetEventScope scope;
    return SendMessageW(
        parent, WM_NOTIFY, static_cast<WPARAM>(ControlId(control)), reinterpret_cast<LPARAM>(header));
}

void NotifyScroll(QWidget* control, bool vertical, UINT code, int pos)
{
    const HWND parent = ParentHandle(control);
    const WidgetEventScope scope;
    if (parent)
        SendMessageW(parent, vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, pos),
            reinterpret_cast<LPARAM>(HwndFromWidget(control)));
}

QWidget* CreateControlWidget(const DialogControl& c, QWidget* parent, QWidget* previous)
{
    QWidget* w = nullptr;
    switch (c.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::BitmapButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        w = MakeButton(c, parent);
        break;
    case ControlKind::GroupBox:
    case ControlKind::Text:
    case ControlKind::Picture:
        w = MakeStatic(c, parent);
        break;
    case ControlKind::Edit:
        w = MakeEdit(c, parent);
        break;
    case ControlKind::ComboBox:
        w = MakeCombo(c, parent);
        break;
    case ControlKind::ListBox:
        w = MakeList(c, parent);
        break;
    case ControlKind::Slider:
        w = MakeSlider(c, parent);
        break;
    case ControlKind::Spin: {
        auto* spin = new SpinWidget(parent, c.style);
        if ((c.style & UDS_AUTOBUDDY) && previous)
            spin->buddy = previous;
        w = spin;
        break;
    }
    case ControlKind::Progress: {
        auto* p = new QProgressBar(parent);
        p->setRange(0, 100);
        p->setValue(0);
        p->setTextVisible(false);
        w = p;
        break;
    }
    case ControlKind::ListView: {
        auto* view = new ListViewWidget(parent);
        view->setSelectionMode((c.style & LVS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                                         : QAbstractItemView::ExtendedSelection);
        w = view;
        break;
    }
    case ControlKind::TreeView: {
        auto* tree = new TreeViewWidget(parent);
        tree->setRootIsDecorated((c.style & TVS_LINESATROOT) != 0);
        w = tree;
        break;
    }
    case ControlKind::Tab: {
        auto* t = new QTabBar(parent);
        t->setExpanding(false);
        QObject::connect(t, &QTabBar::currentChanged, t, [t] {
            NMHDR header;
            NotifyParent(t, TCN_SELCHANGE, &header);
        });
        w = t;
        break;
    }
    }
    w->setProperty(kIdProperty, c.id);
    w->setProperty(kKindProperty, static_cast<int>(c.kind));
    if (auto* combo = qobject_cast<QComboBox*>(w))
        PlaceComboBox(combo, QRect(c.x, c.y, c.cx, c.cy));
    else
        w->setGeometry(c.x, c.y, c.cx, c.cy);
    if (c.style & WS_DISABLED)
        w->setEnabled(false);
    w->setVisible(!(c.style & CS_HIDDEN));
    if (c.kind == ControlKind::GroupBox)
        w->lower();  // a frame behind the controls it groups
    w->installEventFilter(TheControlFilter());
    return w;
}

CWnd* CreateControlObject(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::GroupBox:
        return new CButton;
    case ControlKind::BitmapButton:
        return new CBitmapButton;
    case ControlKind::Text:
    case ControlKind::Picture:
        return new CStatic;
    case ControlKind::Edit:
        return new CEdit;
    case ControlKind::ComboBox:
        return new CComboBox;
    case ControlKind::ListBox:
        return new CListBox;
    case ControlKind::Slider:
        return new CSliderCtrl;
    case ControlKind::Spin:
        return new CSpinButtonCtrl;
    case ControlKind::Progress:
        return new CProgressCtrl;
    case ControlKind::Tab:
        return new CTabCtrl;
    case ControlKind::ListView:
        return new CListCtrl;
    case ControlKind::TreeView:
        return new CTreeCtrl;
    }
    return new CWnd;
}
