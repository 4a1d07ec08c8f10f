// Dialogs built from templates (res/). A modal dialog runs its own nested
// loop in DoModal (other windows keep receiving posted messages meanwhile);
// a modeless one is made by Create. WM_INITDIALOG calls OnInitDialog; the
// ids IDOK and IDCANCEL call OnOK and OnCancel; Enter sends the default
// button's id (IDOK unless a DefPushButton is in the template) and Esc sends
// IDCANCEL, as the platform's dialog manager does; the close box sends
// IDCANCEL too.
#pragma once

#include "platform/dialog/dialog_data_exchange.h"
#include "platform/dialog/dialog_template.h"
#include "platform/window/window.h"

#include <memory>
#include <vector>

class CDialog : public CWnd {
public:
    explicit CDialog(const DialogTemplate* dialogTemplate = nullptr, CWnd* parent = nullptr);
    ~CDialog() override;

    // Modeless: builds the dialog; shown at once when the template has WS_VISIBLE.
    BOOL Create(const DialogTemplate& dialogTemplate, CWnd* parent = nullptr);
    BOOL Create(CWnd* parent = nullptr);
    // Modal: builds, initialises and runs the dialog; returns the code given
    // to EndDialog (-1 when it could not be made).
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* dx);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    void SetDefID(UINT id) { m_defId = id; }
    DWORD GetDefID() const { return m_defId; }
    void GotoDlgCtrl(CWnd* control);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    const DialogTemplate* GetTemplate() const { return m_template; }
    // The ids of the radio group that starts at firstId, in template order.
    std::vector<int> RadioGroup(int firstId) const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    QWidget* CreateHostWidget(QWidget* parent, bool child) override;

private:
    const DialogTemplate* m_template;
    CWnd* m_parentWnd;
    UINT m_defId = IDOK;
    bool m_modal = false;
    bool m_ended = false;
    int m_result = IDCANCEL;
    std::vector<std::unique_ptr<CWnd>> m_controlObjects;

    BOOL BuildFromTemplate(const DialogTemplate& t, CWnd* parent, bool modal);
    void BuildControls(const DialogTemplate& t);
};

// A dialog whose background colour can be set.
class CDialogEx : public CDialog {
public:
    using CDialog::CDialog;
    void SetBackgroundColor(COLORREF color, BOOL repaint = TRUE);
};
