// The question before a capture of a browser window (template 274): capture
// it by scrolling (IDOK) or as a normal capture (IDCANCEL). It shows the
// target window's icon and the browser's name, stays on top, and places
// itself where the user's pointer already is, moving the pointer to its
// centre, so that the answer needs no long mouse travel.
#pragma once

#include "platform/dialog/dialog.h"
#include "res/dialog_274_query_scroll_capture.h"

struct GdiIcon;

// The most characters of the browser's name that are shown.
inline constexpr int kBrowserNameMaxChars = 29;

// Where the question goes: with an anchor, its left edge at the anchor's left
// and its vertical middle at the anchor's top; without one, centred in the
// work area. Either way kept inside the work area (an empty work area keeps
// the place as it is).
POINT ScrollQuestionOrigin(const RECT* anchor, SIZE dialog, const RECT& workArea);

class CDlgQueryScrollCapture : public CDialog {
public:
    enum { IDD = IDD_QUERY_SCROLL_CAPTURE };

    CDlgQueryScrollCapture(HWND target, const QString& browserName, CWnd* parent = nullptr);
    ~CDlgQueryScrollCapture() override;

protected:
    BOOL OnInitDialog() override;
    void OnShowWindow(BOOL show, UINT status) override;

private:
    HWND m_hTarget;
    QString m_browserName;
    GdiIcon* m_hIcon = nullptr;  // the target's icon, owned
    bool m_placed = false;

    void ShowTargetIcon();
    void PlaceAndPointAtCentre();
};
