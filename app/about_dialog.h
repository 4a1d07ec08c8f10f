// The About box (template 100): the version, the platform's version and the
// libraries the program uses.
#pragma once

#include "platform/dialog/dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};

// "Version 1.00".
QString AboutVersionText();
// "WindowsVersion : Major=%d, Minor=%d, Build=%d" with the platform's figures.
QString AboutPlatformVersionText(DWORD major, DWORD minor, DWORD build);
