// The work-folder dialog as the frame runs it: modal, one at a time, from
// ID_FILE_WORK_FOLDER.
#include "app/main_frame.h"

#include "clip/work_folder_dialog.h"
#include "res/frame_command_ids.h"

void CMainFrame::RunWorkFolder()
{
    if (m_pWorkFolder)
        return;
    // On the stack: the dialog goes only once its loop, and every handler
    // running inside it, has returned.
    CDlgWorkFolder dialog(this);
    m_pWorkFolder = &dialog;
    dialog.DoModal();
    m_pWorkFolder = nullptr;
    SyncFileTree();
}

bool CMainFrame::HandleWorkFolderCommand(UINT id)
{
    if (id != ID_FILE_WORK_FOLDER)
        return false;
    RunWorkFolder();
    return true;
}
