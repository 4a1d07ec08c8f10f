#include "clip/work_folder_dialog.h"

CDlgWorkFolder::CDlgWorkFolder(CWnd* parent) : CDialog(nullptr, parent)
{
}
