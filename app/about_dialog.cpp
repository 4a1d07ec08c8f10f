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
    SetDlgItemText(IDC_ABOUT_VERSION, AboutVersionText());
    const QString name = QString::fromUtf16(kAppTitleString);
    SetDlgItemText(IDC_ABOUT_NAME, name);
    SetWindowText(QStringLiteral("About %1").arg(name));
    DWORD major = 0;
    DWORD minor = 0;
    GetPlatformVersion(&major, &minor);
    SetDlgItemText(IDC_ABOUT_PLATFORM_VERSION, AboutPlatformVersionText(major, minor, 0));
    return TRUE;
}

BOOL CAboutDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The two lines answer clicks with nothing.
    if (LOWORD(wParam) == IDC_ABOUT_PLATFORM_VERSION || LOWORD(wParam) == IDC_ABOUT_NAME)
        return TRUE;
    return CDialog::OnCommand(wParam, lParam);
}
