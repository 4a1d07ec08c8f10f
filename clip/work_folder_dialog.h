// The work-folder dialog (template 198). Skeleton: its issue fills it in.
#pragma once

#include "platform/dialog/dialog.h"

class CDlgWorkFolder : public CDialog {
public:
    enum { IDD = 198 };
    explicit CDlgWorkFolder(CWnd* parent = nullptr);
};
