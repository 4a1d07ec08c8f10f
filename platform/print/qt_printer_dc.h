// The printer DC on a Qt printer: a painter on a QPrinter that shows the
// whole paper (full page), so that the origin is the paper's corner. Bands
// are drawn straight from the caller's pixel block; no page-sized image is
// ever made (a page at 1200 dpi would take hundreds of megabytes). Inside
// the layer: code outside reaches it through CreatePrinterDC.
#pragma once

#include "platform/print/printer_dc.h"

#include <QFont>
#include <memory>

class QPainter;
class QPrinter;

class QtPrinterDC final : public CPrinterDC {
public:
    // `pdfFolder` is set for the PDF printer: each document is written there.
    QtPrinterDC(std::unique_ptr<QPrinter> printer, QString pdfFolder);
    ~QtPrinterDC() override;

    int StartDoc(const QString& documentName) override;
    int StartPage() override;
    int EndPage() override;
    int EndDoc() override;
    int AbortDoc() override;
    int GetDeviceCaps(int index) const override;
    int SetStretchBltMode(int mode) override;
    CPoint SetBrushOrg(int x, int y) override;
    int StretchDIBits(int x, int y, int w, int h, int xSrc, int ySrc, int wSrc, int hSrc, const void* bits,
        const BITMAPINFO* info, UINT usage, DWORD rop) override;
    CFont* SelectObject(CFont* font) override;
    int SetBkMode(int mode) override;
    CSize GetTextExtent(const QString& text) const override;
    int DrawText(const QString& text, RECT* rect, UINT format) override;

    // The file the PDF printer wrote the last document into.
    QString OutputFile() const;
    // How often the print system itself would repeat the document: always 1.
    int PrinterCopyCount() const;

private:
    bool Failed() const;
    void EndPainter();

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QString m_pdfFolder;
    int m_pagesStarted = 0;
    int m_stretchMode = 3;  // COLORONCOLOR
    int m_bkMode = 2;       // OPAQUE
    CPoint m_brushOrg;
    CFont* m_font = nullptr;
};

// A Qt printer for a printer by name (a print-system queue or the PDF
// printer), showing the whole paper at the printer's resolution; null when
// there is no such printer.
std::unique_ptr<QPrinter> MakeQtPrinter(const QString& device);
// Sets paper, orientation and resolution from a device mode; the copy count
// stays the printer's own business only for the setup dialog, a job's is 1.
void ApplyDevMode(QPrinter& printer, const DEVMODE& devMode);
