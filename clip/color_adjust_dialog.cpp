#include "clip/color_adjust_dialog.h"

CDlgContrast::CDlgContrast(CWnd* parent) : CDialog(nullptr, parent)
{
}
