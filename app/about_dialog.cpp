#include "app/about_dialog.h"

#include "core/version.h"
#include "platform/system/kernel.h"
#include "res/dialog_100_about.h"
#include "res/frame_strings.h"

CAboutDlg::CAboutDlg() : CDialog(&kDialog100About)
{
}

QString AboutVersionText()
{
    return QString::asprintf("Version %d.%02d", kVersionMajor, kVersionMinor);
}

QString AboutPlatformVersionText(DWORD major, DWORD minor, DWORD build)
{
    return QString::asprintf("WindowsVersion : Major=%u, Minor=%u, Build=%u", major, minor, build);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(1066, AboutVersionText());
    const QString name = QString::fromUtf16(kAppTitleString);
    SetDlgItemText(1069, name);
    SetWindowText(QStringLiteral("About %1").arg(name));
    DWORD major = 0;
    DWORD minor = 0;
    GetPlatformVersion(&major, &minor);
    SetDlgItemText(1067, AboutPlatformVersionText(major, minor, 0));
    return TRUE;
}

BOOL CAboutDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The two lines answer clicks with nothing.
    if (LOWORD(wParam) == 1067 || LOWORD(wParam) == 1069)
        return TRUE;
    return CDialog::OnCommand(wParam, lParam);
}
