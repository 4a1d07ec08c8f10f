#include "platform/window/control_colours.h"

#include "platform/gdi/gdi_dc.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/window/window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const char* const kKindProperty = "kestrel_control_kind";

QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

bool IsReadOnlyOrDisabled(const QWidget* w)
{
    if (!w->isEnabled())
        return true;
    if (auto* line = qobject_cast<const QLineEdit*>(w))
        return line->isReadOnly();
    if (auto* text = qobject_cast<const QPlainTextEdit*>(w))
        return text->isReadOnly();
    return false;
}

// The colours the DC starts with: the control's defaults as the platform
// gives them (window text on the window colour for edits, button text on the
// button face for the rest).
struct DefaultColours {
    COLORREF text;
    COLORREF back;
};

DefaultColours DefaultsFor(UINT message)
{
    if (message == WM_CTLCOLOREDIT)
        return {GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)};
    return {GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNFACE)};
}

// The roles a kind of widget paints its text and its background with.
void SetTextRoles(QPalette& p, const QColor& c)
{
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, c);
}

void SetBackRoles(QPalette& p, const QColor& c)
{
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        p.setColor(role, c);
}

void Apply(QWidget* w, const std::optional<QColor>& text, const std::optional<QColor>& back)
{
    // From the inherited colours each time, so that colours no longer given are gone.
    w->setPalette(QPalette());
    const bool fills = qobject_cast<QLabel*>(w) || qobject_cast<QGroupBox*>(w) ||
        (qobject_cast<QAbstractButton*>(w) && !qobject_cast<QPushButton*>(w));
    if (!text && !back) {
        if (fills)
            w->setAutoFillBackground(false);
        return;
    }
    QPalette p = w->palette();
    if (text)
        SetTextRoles(p, *text);
    if (back)
        SetBackRoles(p, *back);
    w->setPalette(p);
    if (fills)
        w->setAutoFillBackground(back.has_value());
}

}  // namespace

UINT ControlColourMessage(ControlKind kind, bool readOnlyOrDisabled)
{
    switch (kind) {
    case ControlKind::Text:
    case ControlKind::GroupBox:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        return WM_CTLCOLORSTATIC;
    case ControlKind::Edit:
        return readOnlyOrDisabled ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::BitmapButton:
        return WM_CTLCOLORBTN;
    default:
        return 0;
    }
}

bool ControlKindOf(const QWidget* widget, ControlKind* kind)
{
    const QVariant v = widget ? widget->property(kKindProperty) : QVariant();
    if (!v.isValid())
        return false;
    *kind = static_cast<ControlKind>(v.toInt());
    return true;
}

void AskControlColours(CWnd* control)
{
    static const CWnd* asking = nullptr;
    QWidget* w = control ? control->GetWidget() : nullptr;
    ControlKind kind{};
    if (!w || !ControlKindOf(w, &kind) || asking == control)
        return;
    const UINT message = ControlColourMessage(kind, IsReadOnlyOrDisabled(w));
    CWnd* parent = control->GetParent();
    if (message == 0 || !parent || !parent->GetSafeHwnd())
        return;

    const DefaultColours defaults = DefaultsFor(message);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SetTextColor(defaults.text);
    dc.SetBkColor(defaults.back);
    const CWnd* outer = std::exchange(asking, control);
    const auto brush = reinterpret_cast<HBRUSH>(parent->SendMessage(message,
        reinterpret_cast<WPARAM>(dc.GetSafeHdc()), reinterpret_cast<LPARAM>(control->GetSafeHwnd())));
    asking = outer;
    if (!control->GetWidget())
        return;  // gone while its parent answered

    const GdiDcState& state = dc.GetSafeHdc()->st;
    std::optional<QColor> text, back;
    if (state.textColor != defaults.text)
        text = ToQColor(state.textColor);
    if (brush && !brush->hollow)
        back = ToQColor(brush->color);
    else if (state.bkColor != defaults.back)
        back = ToQColor(state.bkColor);
    Apply(w, text, back);
}
