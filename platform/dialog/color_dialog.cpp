#include "platform/dialog/color_dialog.h"

#include "platform/dialog/service_hook.h"
#include "platform/window/window.h"
#include "platform/window/window_registry.h"

#include <QApplication>
#include <QColorDialog>

namespace {

ServiceHook<ColorDialogHook>& Hook()
{
    static ServiceHook<ColorDialogHook> hook;
    return hook;
}

QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

COLORREF ToColorRef(const QColor& c)
{
    return RGB(static_cast<BYTE>(c.red()), static_cast<BYTE>(c.green()), static_cast<BYTE>(c.blue()));
}

// Qt's own dialog, modal over the owner. It always shows its custom-colour
// part (the spectrum and the custom swatches), which is what CC_FULLOPEN asks;
// it has no folded form to start in.
std::optional<COLORREF> ShowRealDialog(const ColorDialogRequest& request)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return std::nullopt;
    QColorDialog dialog(WidgetFromHwnd(request.owner));
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setCurrentColor(ToQColor(request.initial));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return ToColorRef(dialog.currentColor());
}

}  // namespace

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent)
    : m_color((flags & CC_RGBINIT) ? initial : 0), m_flags(flags), m_parent(parent)
{
}

INT_PTR CColorDialog::DoModal()
{
    const ColorDialogRequest request{m_parent ? m_parent->GetSafeHwnd() : nullptr, m_color};
    const ColorDialogHook hook = Hook().Get();
    const std::optional<COLORREF> chosen = hook ? hook(request) : ShowRealDialog(request);
    if (!chosen)
        return IDCANCEL;
    m_color = *chosen;
    return IDOK;
}

void SetColorDialogHookForTesting(ColorDialogHook hook)
{
    Hook().Set(std::move(hook));
}
