// The print dialog (template 273): one image, printed. It shows the current
// printer, lets the user set the four margins in millimetres (typed, by spin
// or by dragging their lines in the preview) and one of three fit modes,
// pages through a preview of every page, and starts the job. It is run
// modally by its opener, who owns the bitmap and the memory DC it is drawn
// from. OK (the close button or Enter) stores the settings; Cancel keeps them.
#pragma once

#include "imaging/virtual_window.h"
#include "platform/dialog/dialog.h"
#include "print/print_layout.h"
#include "print/print_margin_rules.h"
#include "print/print_out_printer.h"
#include "print/print_preview_rules.h"
#include "res/dialog_273_print_out.h"

#include <QString>
#include <array>
#include <memory>

// The dialog's caption; the frame pastes nothing while a window of this title
// exists.
inline constexpr char16_t kPrintOutCaption[] = u"Kestrel 印刷";

class CDlgPrintOut : public CDialog {
public:
    enum { IDD = IDD_PRINT_OUT };

    CDlgPrintOut(HBITMAP bitmap, CDC* memDC, SIZE imageSize, CWnd* parent = nullptr);
    ~CDlgPrintOut() override;

    // The dialog running modally now, null while none is.
    static CDlgPrintOut* Running();

    // Read by tests.
    double MarginMillimetres(MarginSide side) const { return m_margins[static_cast<int>(side)]; }
    BYTE FitMode() const { return m_fitMode; }
    int CurrentPage() const { return m_currentPage; }
    int PageCount() const { return m_pageCount; }
    RECT PageBoxInClient() const { return m_pageBox; }
    RECT PreviewMarginsInBox() const { return m_previewMargins; }
    const CPrintLayout& Layout() const { return m_layout; }

    INT_PTR DoModal() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint screen) override;

private:
    // The opener's image.
    HBITMAP m_bitmap;
    CDC* m_memDC;
    SIZE m_imageSize;

    CPrintLayout m_layout;
    std::unique_ptr<CVirtualWindow> m_preview;
    RECT m_previewArea{};  // frame 1279 in client coordinates
    RECT m_pageBox{};      // the last preview's page box in client coordinates
    RECT m_previewMargins{};
    int m_paperWidth = 0;  // tenths of a millimetre
    int m_paperHeight = 0;
    std::array<double, 4> m_margins{};  // millimetres, by MarginSide
    BYTE m_fitMode = 0;
    PrintJobOptions m_options;
    int m_viewExPrnMenu = 0;
    int m_currentPage = 1;
    int m_pageCount = 0;
    bool m_printEnabled = true;

    bool m_dragging = false;
    int m_dragLine = kNoMarginLine;
    POINT m_lastPoint{};

    // Settings and margins (print_dialog.cpp).
    void ReadSettings();
    void StoreSettings();
    void ShowMargins();
    bool ReadMarginEdit(MarginSide side, double* millimetres);
    void OnMarginEditDone(MarginSide side);
    void OnSpin(MarginSide side, int proposedDelta);
    bool TrySetMargin(MarginSide side, double millimetres);
    int PaperSideFor(MarginSide side) const;
    void OnFitMode(BYTE mode);
    void ApplyMarginsToLayout();

    // The printer (print_dialog_printer.cpp).
    bool QueryPrinter();
    bool ReadPrinter(PrinterSheet* sheet);
    void OnPrinterSetup();
    void OnPrint();

    // Layout, paging and preview (print_dialog_preview.cpp).
    void Recompute();
    void UpdatePaging();
    void ShowPage(int page);
    void UpdateModeControls();
    void RebuildPreviewBuffer();
    void DrawPreview();
    void DrawPreviewInto(CDC* dc);
    void OnDragMove(POINT point);
};
