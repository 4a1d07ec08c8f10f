// The mode bar (template 280). Skeleton: its issue fills it in.
#pragma once

#include "platform/dialog/dialog.h"

class CDlgModeChoice : public CDialog {
public:
    enum { IDD = 280 };
    explicit CDlgModeChoice(CWnd* parent = nullptr);
};
