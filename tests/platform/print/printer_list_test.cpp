// The printer list: the print system's queues, then the PDF printer, which
// is the default only when there is no queue; and the PDF printer's file
// names, which never replace an earlier print.
#include "platform/print/printer_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SourceScope {
public:
    explicit SourceScope(PrinterSource source) { SetPrinterSourceForTest(std::move(source)); }
    ~SourceScope() { SetPrinterSourceForTest(std::nullopt); }
};

TEST(PrinterList, QueuesThenThePdfPrinter)
{
    const QString pdf = QString::fromUtf16(kPdfPrinterName);
    struct Case {
        const char* name;
        PrinterSource source;
        QStringList listed;
        QString defaultPrinter;
    };
    const Case cases[] = {
        {"no queue", {{}, {}, true, {}}, {pdf}, pdf},
        {"a default queue", {{"A", "B"}, "B", true, {}}, {"A", "B", pdf}, "B"},
        {"queues without a default", {{"A", "B"}, {}, true, {}}, {"A", "B", pdf}, "A"},
        {"a default that is gone", {{"A"}, "Gone", true, {}}, {"A", pdf}, "A"},
        {"nothing at all", {{}, {}, false, {}}, {}, {}},
    };
    for (const Case& c : cases) {
        SourceScope scope(c.source);
        EXPECT_EQ(ListPrinterNames(), c.listed) << c.name;
        EXPECT_EQ(DefaultPrinterName(), c.defaultPrinter) << c.name;
        EXPECT_EQ(IsPdfPrinter(pdf), c.source.pdfPrinter) << c.name;
    }
}

TEST(PrinterList, PdfFilesAreNamedAfterTheDocumentAndNeverReplaced)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path();
    const auto inFolder = [&](const QString& name) { return QDir(folder).filePath(name); };

    const std::pair<QString, QString> names[] = {
        {QStringLiteral("メモ帳"), QStringLiteral("メモ帳.pdf")},
        {QStringLiteral("a/b\\c"), QStringLiteral("a_b_c.pdf")},
        {QString(), QStringLiteral("Kestrel.pdf")},
        {QStringLiteral(".."), QStringLiteral("Kestrel.pdf")},
        {QStringLiteral("  x  "), QStringLiteral("x.pdf")},
    };
    for (const auto& [document, file] : names)
        EXPECT_EQ(PdfFileForDocument(folder, document), inFolder(file)) << document.toStdString();

    QFile first(inFolder(QStringLiteral("doc.pdf")));
    ASSERT_TRUE(first.open(QIODevice::WriteOnly));
    first.close();
    EXPECT_EQ(PdfFileForDocument(folder, QStringLiteral("doc")), inFolder(QStringLiteral("doc (2).pdf")));

    // A very long title is cut to fit a file name, never through a character.
    const QString longName = PdfFileForDocument(folder, QString(300, QChar(0x6F22)));
    EXPECT_LE(QFileInfo(longName).fileName().toUtf8().size(), 255);
    EXPECT_TRUE(QFileInfo(longName).fileName().endsWith(QStringLiteral(".pdf")));
}

}  // namespace
