#include "platform/dialog/color_dialog.h"

#include "platform/dialog/service_hook.h"
#include "platform/window/window.h"

namespace {

ServiceHook<ColorDialogHook>& Hook()
{
    static ServiceHook<ColorDialogHook> hook;
    return hook;
}

}  // namespace

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent)
    : m_color((flags & CC_RGBINIT) ? initial : 0), m_flags(flags), m_parent(parent)
{
}

INT_PTR CColorDialog::DoModal()
{
    // The dialog itself comes with its first user; until then only the hook answers.
    if (ColorDialogHook hook = Hook().Get()) {
        const std::optional<COLORREF> chosen =
            hook(ColorDialogRequest{m_parent ? m_parent->GetSafeHwnd() : nullptr, m_color});
        if (!chosen)
            return IDCANCEL;
        m_color = *chosen;
        return IDOK;
    }
    return IDCANCEL;
}

void SetColorDialogHookForTesting(ColorDialogHook hook)
{
    Hook().Set(std::move(hook));
}
