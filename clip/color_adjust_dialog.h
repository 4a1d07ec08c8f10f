// The colour-adjustment dialog (template 181). Skeleton: its issue fills it in.
#pragma once

#include "platform/dialog/dialog.h"

class CDlgContrast : public CDialog {
public:
    enum { IDD = 181 };
    explicit CDlgContrast(CWnd* parent = nullptr);
};
