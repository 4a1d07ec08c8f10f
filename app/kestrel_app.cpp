#include "app/kestrel_app.h"

#include "app/about_dialog.h"
#include "core/text_utils.h"
#include "res/frame_accelerators.h"
#include "res/frame_command_ids.h"
#include "res/frame_strings.h"
#include "res/program_icon.h"

#include <QCoreApplication>

CKestrelApp::CKestrelApp() = default;

CKestrelApp::~CKestrelApp()
{
    m_frame.reset();
}

BOOL CKestrelApp::InitInstance()
{
    const QString caption = FormatAppTitle();
    QCoreApplication::setApplicationName(QString::fromUtf16(kAppTitleString));
    // The class library's recent-file list is never shown: nothing is stored for it.
    SetAcceleratorTable(FrameAcceleratorTable128());
    SetProgramIcon(ProgramIconFiles());

    m_frame = std::make_unique<CMainFrame>();
    if (!m_frame->CreateMainFrame()) {
        m_frame.reset();
        return FALSE;
    }
    m_pMainWnd = m_frame.get();
    m_frame->ShowWindow(SW_SHOW);
    m_frame->UpdateWindow();
    if (m_frame->GetSafeHwnd())
        m_frame->SetWindowText(caption);
    return TRUE;
}

int CKestrelApp::ExitInstance()
{
    m_pMainWnd = nullptr;
    m_frame.reset();
    return CWinApp::ExitInstance();
}

void CKestrelApp::OnAppAbout()
{
    CAboutDlg about;
    about.DoModal();
}

BOOL CKestrelApp::OnAppCommand(UINT id)
{
    switch (id) {
    case ID_APP_ABOUT:
        OnAppAbout();
        return TRUE;
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_FILE_PRINT_SETUP:
        // The document holds nothing: a new or opened document changes nothing.
        return TRUE;
    default:
        return FALSE;
    }
}
