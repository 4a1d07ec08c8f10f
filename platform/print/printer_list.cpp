#include "platform/print/printer_list.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <mutex>

const char16_t kPdfPrinterName[] = u"Kestrel PDF";

namespace {

std::mutex g_sourceMutex;
std::optional<PrinterSource> g_testSource;

PrinterSource CurrentSource()
{
    {
        std::lock_guard lock(g_sourceMutex);
        if (g_testSource)
            return *g_testSource;
    }
    PrinterSource source;
    source.queues = QPrinterInfo::availablePrinterNames();
    source.defaultQueue = QPrinterInfo::defaultPrinterName();
    return source;
}

}  // namespace

void SetPrinterSourceForTest(std::optional<PrinterSource> source)
{
    std::lock_guard lock(g_sourceMutex);
    g_testSource = std::move(source);
}

QStringList ListPrinterNames()
{
    const PrinterSource source = CurrentSource();
    QStringList names = source.queues;
    if (source.pdfPrinter)
        names.append(QString::fromUtf16(kPdfPrinterName));
    return names;
}

QString DefaultPrinterName()
{
    const PrinterSource source = CurrentSource();
    if (!source.defaultQueue.isEmpty() && source.queues.contains(source.defaultQueue))
        return source.defaultQueue;
    if (!source.queues.isEmpty())
        return source.queues.first();
    return source.pdfPrinter ? QString::fromUtf16(kPdfPrinterName) : QString();
}

bool IsPdfPrinter(const QString& name)
{
    return name == QString::fromUtf16(kPdfPrinterName) && CurrentSource().pdfPrinter;
}

bool IsPrinterQueue(const QString& name)
{
    return !name.isEmpty() && CurrentSource().queues.contains(name);
}

QString PdfPrinterFolder()
{
    const PrinterSource source = CurrentSource();
    if (!source.pdfFolder.isEmpty())
        return source.pdfFolder;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() ? QDir::homePath() : folder;
}

QString PdfFileForDocument(const QString& folder, const QString& documentName)
{
    QString base = documentName.trimmed();
    for (QChar& c : base) {
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20)
            c = u'_';
    }
    if (base.isEmpty() || base == u"." || base == u"..")
        base = QStringLiteral("Kestrel");
    // Keep the name within a file name's 255 bytes with room for the suffix.
    while (base.toUtf8().size() > 200) {
        base.chop(1);
        if (!base.isEmpty() && base.back().isHighSurrogate())
            base.chop(1);
    }
    const QDir dir(folder);
    QString path = dir.filePath(base + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1 (%2).pdf").arg(base).arg(n));
    return path;
}
