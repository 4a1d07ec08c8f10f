#include "app/mode_bar.h"

CDlgModeChoice::CDlgModeChoice(CWnd* parent) : CDialog(nullptr, parent)
{
}
