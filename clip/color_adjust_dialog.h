// The colour-adjustment dialog (template 181): a modeless, top-most tool
// window with a slider, a number box and a spin control per colour channel.
// Every completed change is sent at once to the view stage as
// WM_STAGE_CONTRAST_SET; channels whose link box is checked follow the
// channel changed. Esc and the close box ask the frame to close it
// (WM_FRAME_CLOSE_CONTRAST); Enter does nothing.
#pragma once

#include "platform/dialog/dialog.h"
#include "res/dialog_181_color_adjust.h"

#include <array>

// Channel order of the dialog's rows: red, green, blue.
inline constexpr int kContrastChannels = 3;
using ContrastValues = std::array<int, kContrastChannels>;
using ContrastLinks = std::array<bool, kContrastChannels>;

// An offset limited to -127..127.
int ClampContrastValue(long long value);

// One change: the values shown afterwards and what the stage is sent.
struct ContrastChange {
    ContrastValues values;
    int value;  // wParam of WM_STAGE_CONTRAST_SET
    int bits;   // lParam: 1 red, 2 green, 4 blue
};
// The channels named in bits, and every linked channel, take value (limited
// to -127..127); the others keep theirs.
ContrastChange ApplyContrastChange(
    const ContrastValues& values, const ContrastLinks& links, int bits, int value);

class CDlgContrast : public CDialog {
public:
    enum { IDD = IDD_COLOR_ADJUST };

    explicit CDlgContrast(CWnd* parent = nullptr);

    // The offsets the dialog shows.
    const ContrastValues& Values() const { return m_values; }

    void OnHScroll(UINT code, UINT pos, CWnd* bar) override;
    void OnMove(int x, int y) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    ContrastValues m_values{};
    bool m_initialising = true;
    POINT m_origin{};  // the client area's screen position as last known

    static HWND StageWindow();
    ContrastValues StageOffsets() const;
    ContrastLinks Links() const;
    void PlaceWindow();
    POINT ClientOrigin() const;
    void PaintSwatches();
    void ShowValues();

    // Sends value for the channels in bits (and the linked ones) to the stage.
    void Apply(int bits, int value);
    void OnSliderDone(int channel);
    void OnValueKillFocus(int channel);
    void OnSpinStep(int channel, int delta);
    void OnLinkClicked(int channel);
    void OnCenter();
};
