// The application object: starts the program (the main frame with its
// caption), routes the keyboard and the mouse wheel to the program's windows
// before they are dispatched, and shows the About box.
#pragma once

#include "app/main_frame.h"
#include "platform/app/app.h"

#include <memory>

class CKestrelApp : public CWinApp {
public:
    CKestrelApp();
    ~CKestrelApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // ID_APP_ABOUT.
    void OnAppAbout();
    // The commands the application object handles; TRUE when taken.
    BOOL OnAppCommand(UINT id);

    CMainFrame* Frame() const { return m_frame.get(); }

private:
    std::unique_ptr<CMainFrame> m_frame;

    BOOL FilterKeyDown(const MSG* msg);
    void FilterWheel(const MSG* msg);
    void FilterMouseMove(const MSG* msg);
    // The multi view's rubber band: TRUE when the message went to the stage.
    BOOL FilterRubberBand(const MSG* msg);
};
