// Track bars, up-down controls and progress bars.
#include "platform/controls/control_widgets.h"
#include "platform/controls/controls.h"
#include "platform/window/window_dispatch.h"
#include "platform/window/window_text.h"

#include <QBoxLayout>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSlider>

namespace {

QSlider* Slider(QWidget* w)
{
    return qobject_cast<QSlider*>(w);
}

SpinWidget* Spin(QWidget* w)
{
    return dynamic_cast<SpinWidget*>(w);
}

QProgressBar* Progress(QWidget* w)
{
    return qobject_cast<QProgressBar*>(w);
}

}  // namespace

// ---- track bar ----

void CSliderCtrl::SetRange(int min, int max, BOOL)
{
    if (QSlider* s = Slider(m_widget)) {
        const QSignalBlocker quiet(s);
        s->setRange(min, max);
    }
}

void CSliderCtrl::SetRangeMin(int min, BOOL redraw)
{
    SetRange(min, GetRangeMax(), redraw);
}

void CSliderCtrl::SetRangeMax(int max, BOOL redraw)
{
    SetRange(GetRangeMin(), max, redraw);
}

void CSliderCtrl::GetRange(int& min, int& max) const
{
    min = GetRangeMin();
    max = GetRangeMax();
}

int CSliderCtrl::GetRangeMin() const
{
    QSlider* s = Slider(m_widget);
    return s ? s->minimum() : 0;
}

int CSliderCtrl::GetRangeMax() const
{
    QSlider* s = Slider(m_widget);
    return s ? s->maximum() : 0;
}

int CSliderCtrl::GetPos() const
{
    QSlider* s = Slider(m_widget);
    return s ? s->value() : 0;
}

void CSliderCtrl::SetPos(int pos)
{
    if (QSlider* s = Slider(m_widget)) {
        const QSignalBlocker quiet(s);  // a call does not notify
        s->setValue(pos);
    }
}

void CSliderCtrl::SetTicFreq(int freq)
{
    if (QSlider* s = Slider(m_widget))
        s->setTickInterval(freq);
}

int CSliderCtrl::SetPageSize(int size)
{
    QSlider* s = Slider(m_widget);
    if (!s)
        return 0;
    const int old = s->pageStep();
    s->setPageStep(size);
    return old;
}

int CSliderCtrl::GetPageSize() const
{
    QSlider* s = Slider(m_widget);
    return s ? s->pageStep() : 0;
}

int CSliderCtrl::SetLineSize(int size)
{
    QSlider* s = Slider(m_widget);
    if (!s)
        return 0;
    const int old = s->singleStep();
    s->setSingleStep(size);
    return old;
}

int CSliderCtrl::GetLineSize() const
{
    QSlider* s = Slider(m_widget);
    return s ? s->singleStep() : 0;
}

LRESULT CSliderCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case TBM_GETPOS:
        return GetPos();
    case TBM_SETPOS:
        SetPos(static_cast<int>(lParam));
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

// ---- up-down control ----

int SpinProposedDelta(int lower, int upper, bool upArrow)
{
    const int towardUpper = upper >= lower ? 1 : -1;
    return upArrow ? towardUpper : -towardUpper;
}

int SpinApplyDelta(int lower, int upper, int pos, int delta, bool wrap)
{
    const int lo = std::min(lower, upper);
    const int hi = std::max(lower, upper);
    const long long next = static_cast<long long>(pos) + delta;
    if (next < lo)
        return wrap ? hi : lo;
    if (next > hi)
        return wrap ? lo : hi;
    return static_cast<int>(next);
}

SpinWidget::SpinWidget(QWidget* parent, DWORD style_) : QWidget(parent), style(style_)
{
    const bool horizontal = style & UDS_HORZ;
    auto* layout = new QBoxLayout(horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_up = new QToolButton(this);
    m_down = new QToolButton(this);
    m_up->setArrowType(horizontal ? Qt::RightArrow : Qt::UpArrow);
    m_down->setArrowType(horizontal ? Qt::LeftArrow : Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    // The left (or lower) button comes first in a horizontal row.
    if (horizontal) {
        layout->addWidget(m_down);
        layout->addWidget(m_up);
    } else {
        layout->addWidget(m_up);
        layout->addWidget(m_down);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { Step(true); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(false); });
}

void SpinWidget::Step(bool upArrow)
{
    NMUPDOWN change;
    change.iPos = pos;
    change.iDelta = SpinProposedDelta(lower, upper, upArrow);
    // The parent's handlers may close the dialog and take this control with it.
    QPointer<SpinWidget> alive(this);
    if (NotifyParent(this, UDN_DELTAPOS, &change.hdr) != 0 || !alive)
        return;  // the parent refused the change
    pos = SpinApplyDelta(lower, upper, pos, change.iDelta, style & UDS_WRAP);
    ShowPosInBuddy();
    NotifyScroll(this, !(style & UDS_HORZ), SB_THUMBPOSITION, pos);
    if (alive)
        NotifyScroll(this, !(style & UDS_HORZ), SB_ENDSCROLL, pos);
}

void SpinWidget::ShowPosInBuddy()
{
    if ((style & UDS_SETBUDDYINT) && buddy)
        SetWidgetText(
            buddy, base == 16 ? QStringLiteral("0x%1").arg(pos, 4, 16, QChar(u'0')) : QString::number(pos));
}

void CSpinButtonCtrl::SetRange(short lower, short upper)
{
    SetRange32(lower, upper);
}

void CSpinButtonCtrl::SetRange32(int lower, int upper)
{
    if (SpinWidget* s = Spin(m_widget)) {
        s->lower = lower;
        s->upper = upper;
    }
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const
{
    SpinWidget* s = Spin(m_widget);
    lower = s ? s->lower : 0;
    upper = s ? s->upper : 0;
}

int CSpinButtonCtrl::SetPos(int pos)
{
    SpinWidget* s = Spin(m_widget);
    if (!s)
        return 0;
    const int old = s->pos;
    s->pos = SpinApplyDelta(s->lower, s->upper, pos, 0, false);
    s->ShowPosInBuddy();
    return old;
}

int CSpinButtonCtrl::GetPos() const
{
    SpinWidget* s = Spin(m_widget);
    return s ? s->pos : 0;
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* buddy)
{
    SpinWidget* s = Spin(m_widget);
    if (!s)
        return nullptr;
    CWnd* old = WindowDispatch::FromWidget(s->buddy, false);
    s->buddy = buddy ? buddy->GetWidget() : nullptr;
    return old;
}

CWnd* CSpinButtonCtrl::GetBuddy() const
{
    SpinWidget* s = Spin(m_widget);
    return s ? WindowDispatch::FromWidget(s->buddy, false) : nullptr;
}

int CSpinButtonCtrl::SetBase(int base)
{
    SpinWidget* s = Spin(m_widget);
    if (!s || (base != 10 && base != 16))
        return 0;
    return std::exchange(s->base, base);
}

LRESULT CSpinButtonCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case UDM_SETRANGE:
        SetRange32(static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lParam))),
            static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam))));
        return 0;
    case UDM_GETPOS:
        return GetPos();
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

// ---- progress bar ----

void CProgressCtrl::SetRange32(int lower, int upper)
{
    if (QProgressBar* p = Progress(m_widget))
        p->setRange(lower, upper);
}

void CProgressCtrl::GetRange(int& lower, int& upper) const
{
    QProgressBar* p = Progress(m_widget);
    lower = p ? p->minimum() : 0;
    upper = p ? p->maximum() : 0;
}

int CProgressCtrl::SetPos(int pos)
{
    QProgressBar* p = Progress(m_widget);
    if (!p)
        return 0;
    const int old = p->value();
    p->setValue(std::clamp(pos, p->minimum(), p->maximum()));
    return old;
}

int CProgressCtrl::GetPos() const
{
    QProgressBar* p = Progress(m_widget);
    return p ? p->value() : 0;
}

int CProgressCtrl::OffsetPos(int delta)
{
    return SetPos(GetPos() + delta);
}

int CProgressCtrl::SetStep(int step)
{
    return std::exchange(m_step, step);
}

int CProgressCtrl::StepIt()
{
    QProgressBar* p = Progress(m_widget);
    if (!p)
        return 0;
    const int old = p->value();
    int next = old + m_step;
    if (next > p->maximum())  // the platform's bar starts over when it passes the end
        next = p->minimum() + (next - p->maximum());
    p->setValue(std::clamp(next, p->minimum(), p->maximum()));
    return old;
}

LRESULT CProgressCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == PBM_SETPOS)
        return SetPos(static_cast<int>(wParam));
    return CWnd::WindowProc(message, wParam, lParam);
}
