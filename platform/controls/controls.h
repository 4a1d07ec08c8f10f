// Controls: each class answers the calls and messages of its kind on the Qt
// widget that is the control. A dialog built from a template makes one object
// of the right class per control, so GetDlgItem(id) can be cast to it; a
// member object can take a control over with SubclassDlgItem (DDX_Control).
// User actions reach the parent as the platform's notifications (WM_COMMAND
// with BN_CLICKED, EN_KILLFOCUS, CBN_SELCHANGE ...; WM_HSCROLL/WM_VSCROLL
// from track bars and spin controls; WM_NOTIFY with NM_RELEASEDCAPTURE,
// UDN_DELTAPOS, TCN_SELCHANGE). Changes made by calls do not notify, except
// an edit's text, which sends EN_CHANGE as on the platform.
#pragma once

#include "platform/dialog/dialog_template.h"
#include "platform/window/window.h"

#include <memory>

class QWidget;

// The control widget of a template entry, parented to `parent`, with its
// notifications wired. `previous` is the control made just before (buddy of
// an auto-buddy spin control).
QWidget* CreateControlWidget(const DialogControl& control, QWidget* parent, QWidget* previous);
// A new object of the class that answers a control of this kind.
CWnd* CreateControlObject(ControlKind kind);

class CButton : public CWnd {
public:
    int GetCheck() const;
    void SetCheck(int check);
    UINT GetState() const;
    void SetState(BOOL highlight);
    // The bitmap shown on the button; the previous one is returned.
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HBITMAP m_bitmap = nullptr;
};

// A button that shows one bitmap when up and another while pressed.
class CBitmapButton : public CButton {
public:
    void SetBitmaps(CBitmap* up, CBitmap* down = nullptr, CBitmap* disabled = nullptr);
};

struct GdiIcon;

class CStatic : public CWnd {
public:
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const { return m_bitmap; }
    // The icon shown (not owned); the previous one is returned.
    GdiIcon* SetIcon(GdiIcon* icon);
    GdiIcon* GetIcon() const { return m_icon; }
    // The text's horizontal alignment: SS_LEFT, SS_CENTER or SS_RIGHT.
    void SetTextAlign(DWORD align);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A picture control draws its bitmap and frame.
    void OnPaint() override;

private:
    HBITMAP m_bitmap = nullptr;
    GdiIcon* m_icon = nullptr;
};

class CEdit : public CWnd {
public:
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void GetSel(int& start, int& end) const;
    void ReplaceSel(const QString& text);
    void SetLimitText(UINT max);
    void LimitText(int max = 0) { SetLimitText(static_cast<UINT>(max)); }
    UINT GetLimitText() const;
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // WM_KILLFOCUS, whether the focus really left or the message was sent,
    // tells the parent EN_KILLFOCUS.
    void OnKillFocus(CWnd* newWnd) override;
};

constexpr int CB_ERR = -1;
constexpr int LB_ERR = -1;

class CComboBox : public CWnd {
public:
    int AddString(const QString& text);
    int InsertString(int index, const QString& text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetLBText(int index, QString& text) const;
    int GetLBTextLen(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
    int FindStringExact(int startAfter, const QString& text) const;
    int SelectString(int startAfter, const QString& text);
    int SetDroppedWidth(UINT width);
    int GetDroppedWidth() const;
    int SetItemHeight(int index, UINT height);
    int GetItemHeight(int index) const;
    // Visible rows of the drop-down list.
    void SetMinVisibleItems(int count);
    // The extent of one line of text in the box's own font, in pixels.
    CSize GetItemTextExtent(const QString& text) const;
    void ShowDropDown(BOOL show = TRUE);
    BOOL GetDroppedState() const;
    BOOL LimitText(int max);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A sent WM_KILLFOCUS tells the parent CBN_KILLFOCUS.
    void OnKillFocus(CWnd* newWnd) override;
};

class CListBox : public CWnd {
public:
    int AddString(const QString& text);
    int InsertString(int index, const QString& text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetText(int index, QString& text) const;
    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
    int GetSel(int index) const;
    int SetSel(int index, BOOL select = TRUE);
    int GetSelCount() const;
    int GetTopIndex() const;
    int SetTopIndex(int index);
    int FindStringExact(int startAfter, const QString& text) const;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CSliderCtrl : public CWnd {
public:
    void SetRange(int min, int max, BOOL redraw = FALSE);
    void SetRangeMin(int min, BOOL redraw = FALSE);
    void SetRangeMax(int max, BOOL redraw = FALSE);
    void GetRange(int& min, int& max) const;
    int GetRangeMin() const;
    int GetRangeMax() const;
    int GetPos() const;
    void SetPos(int pos);
    void SetTicFreq(int freq);
    int SetPageSize(int size);
    int GetPageSize() const;
    int SetLineSize(int size);
    int GetLineSize() const;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Up-down control. Its default range runs from 100 down to 0, so the up
// arrow proposes a negative change (UDN_DELTAPOS), as on the platform.
class CSpinButtonCtrl : public CWnd {
public:
    void SetRange(short lower, short upper);
    void SetRange32(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    int SetPos(int pos);
    int GetPos() const;
    CWnd* SetBuddy(CWnd* buddy);
    CWnd* GetBuddy() const;
    int SetBase(int base);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CProgressCtrl : public CWnd {
public:
    void SetRange(short lower, short upper) { SetRange32(lower, upper); }
    void SetRange32(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    int SetPos(int pos);
    int GetPos() const;
    int OffsetPos(int delta);
    int SetStep(int step);
    int StepIt();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int m_step = 10;
};

class CTabCtrl : public CWnd {
public:
    LONG InsertItem(int index, const QString& text);
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    BOOL GetItemRect(int index, RECT* rect) const;
    // Every item takes this size (a fixed-width tab control); a height of 0
    // keeps the items' height. The previous size is returned.
    CSize SetItemSize(CSize size);
    // The display area below the tabs (larger false) for a window rectangle, or back.
    void AdjustRect(BOOL larger, RECT* rect) const;
};

class ToolTipTimer;

// Tool tips for controls and windows: the text appears once the pointer has
// rested on the tool for the initial delay, and goes after the auto-pop time.
class CToolTipCtrl {
public:
    CToolTipCtrl();
    ~CToolTipCtrl();
    CToolTipCtrl(const CToolTipCtrl&) = delete;
    CToolTipCtrl& operator=(const CToolTipCtrl&) = delete;

    BOOL Create(CWnd* parent, DWORD style = 0);
    BOOL AddTool(CWnd* tool, const QString& text);
    void UpdateTipText(const QString& text, CWnd* tool);
    void DelTool(CWnd* tool);
    void Activate(BOOL active);
    void SetDelayTime(DWORD which, int milliseconds);
    int SetMaxTipWidth(int width);
    void RelayEvent(MSG*) { }
    // For a window's PreTranslateMessage: a mouse move over one of the tools
    // is relayed to the tip, any other mouse move pops it.
    void FollowMouse(MSG* msg);
    void Pop();
    BOOL IsActive() const { return m_active; }

private:
    QHash<HWND, QString> m_tips;
    bool m_active = true;
    int m_autoPop = 5000;
    std::unique_ptr<ToolTipTimer> m_timer;  // shows the tips after the initial delay
};

enum : DWORD {
    TTDT_AUTOMATIC = 0,
    TTDT_RESHOW = 1,
    TTDT_AUTOPOP = 2,
    TTDT_INITIAL = 3,
    TTS_ALWAYSTIP = 0x01,
};
