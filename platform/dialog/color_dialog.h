// The colour dialog: Qt's own (non-native) colour dialog, opened at a
// starting colour with its custom-colour part shown. Tests install a hook
// that answers each request instead.
#pragma once

#include "platform/types/messages.h"

#include <functional>
#include <optional>

class CWnd;

inline constexpr DWORD CC_RGBINIT = 0x00000001;
inline constexpr DWORD CC_FULLOPEN = 0x00000002;

class CColorDialog {
public:
    // With CC_RGBINIT the dialog starts at initial, else at black.
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);

    // Shows the dialog modally: IDOK when a colour was chosen, else IDCANCEL.
    INT_PTR DoModal();
    // The chosen colour (the starting one until IDOK).
    COLORREF GetColor() const { return m_color; }

private:
    COLORREF m_color;
    DWORD m_flags;
    CWnd* m_parent;
};

struct ColorDialogRequest {
    HWND owner = nullptr;
    COLORREF initial = 0;
};
// The chosen colour, or nothing for Cancel.
using ColorDialogHook = std::function<std::optional<COLORREF>(const ColorDialogRequest&)>;
// While a hook is set no dialog is shown; an empty hook restores the real dialog.
void SetColorDialogHookForTesting(ColorDialogHook hook);
