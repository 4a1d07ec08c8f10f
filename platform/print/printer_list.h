// The printers a user can print to: the print system's (CUPS) queues and the
// program's own PDF printer, which is always there and is the default when
// the print system has no queue. The PDF printer writes each document into
// the documents folder, named after the document.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The name the PDF printer is listed under.
extern const char16_t kPdfPrinterName[];

// Where the printers come from; tests replace the print system with a list.
struct PrinterSource {
    QStringList queues;      // the print system's queues
    QString defaultQueue;    // the print system's default, may be empty
    bool pdfPrinter = true;  // whether the PDF printer can be made
    QString pdfFolder;       // where the PDF printer writes; empty: the documents folder
};
// nullopt puts the real print system back.
void SetPrinterSourceForTest(std::optional<PrinterSource> source);

// Every printer, the print system's queues first, then the PDF printer.
QStringList ListPrinterNames();
// The print system's default queue; else its first queue; else the PDF
// printer; empty when there is none at all.
QString DefaultPrinterName();
bool IsPdfPrinter(const QString& name);
bool IsPrinterQueue(const QString& name);

// The folder the PDF printer writes into.
QString PdfPrinterFolder();
// A file in `folder` for a document: its name with characters that cannot be
// in a file name replaced, ".pdf" added, and " (2)", " (3)" ... before it
// when such a file is already there, so that no earlier print is replaced.
QString PdfFileForDocument(const QString& folder, const QString& documentName);
