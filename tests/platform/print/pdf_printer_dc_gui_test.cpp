// The printer DC on the PDF printer: the whole paper at 1200 dpi from its
// corner, the settings of a device mode, the print system's copy count held
// at 1, one file per document in the printer's folder, a broken-off document
// leaving no file, and a folder that cannot be made refusing the start.
#include "platform/print/dev_mode.h"
#include "platform/print/print_dialog.h"
#include "platform/print/printer_list.h"
#include "platform/print/qt_printer_dc.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PdfPrinter : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        PrinterSource source;
        source.pdfFolder = m_dir.path();
        SetPrinterSourceForTest(source);
    }
    void TearDown() override { SetPrinterSourceForTest(std::nullopt); }

    std::unique_ptr<QtPrinterDC> Make(const DEVMODE* devMode)
    {
        DEVNAMES names;
        names.device = QString::fromUtf16(kPdfPrinterName);
        std::unique_ptr<CPrinterDC> dc = CreatePrinterDC(names, devMode);
        return std::unique_ptr<QtPrinterDC>(dynamic_cast<QtPrinterDC*>(dc.release()));
    }

    QTemporaryDir m_dir;
};

DEVMODE A4(short orientation, short copies)
{
    DEVMODE dm;
    dm.dmPaperWidth = 2100;
    dm.dmPaperLength = 2970;
    SetDevModeText(dm.dmFormName, CCHFORMNAME, QStringLiteral("A4"));
    dm.dmOrientation = orientation;
    dm.dmCopies = copies;
    return dm;
}

TEST_F(PdfPrinter, MeasuresTheWholePaper)
{
    struct Case {
        short orientation;
        int width, height;  // A4 at 1200 dpi
    };
    for (const Case& c : {Case{DMORIENT_PORTRAIT, 9921, 14031}, Case{DMORIENT_LANDSCAPE, 14031, 9921}}) {
        const DEVMODE dm = A4(c.orientation, 3);
        auto dc = Make(&dm);
        ASSERT_TRUE(dc);
        EXPECT_EQ(dc->GetDeviceCaps(LOGPIXELSX), 1200);
        EXPECT_EQ(dc->GetDeviceCaps(LOGPIXELSY), 1200);
        // The PDF page is A4 in whole points (595 x 842): within 5 pixels.
        EXPECT_NEAR(dc->GetDeviceCaps(PHYSICALWIDTH), c.width, 5);
        EXPECT_NEAR(dc->GetDeviceCaps(PHYSICALHEIGHT), c.height, 5);
        // Full page: the drawable area is the paper itself.
        EXPECT_EQ(dc->GetDeviceCaps(HORZRES), dc->GetDeviceCaps(PHYSICALWIDTH));
        EXPECT_EQ(dc->GetDeviceCaps(VERTRES), dc->GetDeviceCaps(PHYSICALHEIGHT));
        POINT size;
        EXPECT_GT(dc->Escape(GETPHYSPAGESIZE, 0, nullptr, &size), 0);
        EXPECT_EQ(size.x, dc->GetDeviceCaps(PHYSICALWIDTH));
        // The job makes the 3 copies itself.
        EXPECT_EQ(dc->PrinterCopyCount(), 1);
    }
}

TEST_F(PdfPrinter, WritesOneFilePerDocumentAndDropsABrokenOne)
{
    const DEVMODE dm = A4(DMORIENT_PORTRAIT, 1);
    auto dc = Make(&dm);
    ASSERT_TRUE(dc);
    const QString title = QStringLiteral("画面");
    ASSERT_GT(dc->StartDoc(title), 0);
    EXPECT_EQ(dc->StartDoc(title), 0);  // one document at a time
    ASSERT_GT(dc->StartPage(), 0);
    ASSERT_GT(dc->EndPage(), 0);
    ASSERT_GT(dc->EndDoc(), 0);
    const QString first = QDir(m_dir.path()).filePath(QStringLiteral("画面.pdf"));
    EXPECT_EQ(dc->OutputFile(), first);
    EXPECT_GT(QFile(first).size(), 0);

    ASSERT_GT(dc->StartDoc(title), 0);
    ASSERT_GT(dc->StartPage(), 0);
    const QString second = dc->OutputFile();
    EXPECT_EQ(second, QDir(m_dir.path()).filePath(QStringLiteral("画面 (2).pdf")));
    EXPECT_GT(dc->AbortDoc(), 0);
    EXPECT_FALSE(QFile::exists(second));
    EXPECT_TRUE(QFile::exists(first));
    EXPECT_EQ(dc->EndDoc(), 0);  // nothing left to end
}

TEST_F(PdfPrinter, AFolderThatCannotBeMadeRefusesTheStart)
{
    QFile blocker(QDir(m_dir.path()).filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    PrinterSource source;
    source.pdfFolder = blocker.fileName() + QStringLiteral("/sub");
    SetPrinterSourceForTest(source);
    auto dc = Make(nullptr);
    ASSERT_TRUE(dc);
    EXPECT_EQ(dc->StartDoc(QStringLiteral("x")), 0);
    EXPECT_EQ(dc->StartPage(), 0);
}

TEST_F(PdfPrinter, DialogObjectTakesTheDefaultPrinter)
{
    CPrintDialog dialog(FALSE, PD_RETURNDC);
    ASSERT_TRUE(dialog.GetDefaults());
    EXPECT_EQ(dialog.GetDeviceName(), QString::fromUtf16(kPdfPrinterName));
    EXPECT_EQ(dialog.GetDriverName(), QStringLiteral("PDF"));
    ASSERT_TRUE(dialog.GetDevMode());
    EXPECT_EQ(dialog.GetDevMode()->dmSize, kDevModeSize);
    EXPECT_FALSE(DevModeText(dialog.GetDevMode()->dmFormName, CCHFORMNAME).isEmpty());
    EXPECT_GE(dialog.GetCopies(), 1);
    ASSERT_TRUE(dialog.m_pd.hDC);
    EXPECT_GT(dialog.m_pd.hDC->GetDeviceCaps(LOGPIXELSY), 0);

    PrinterSource none;
    none.pdfPrinter = false;
    SetPrinterSourceForTest(none);
    CPrintDialog empty(FALSE, PD_RETURNDC);
    EXPECT_FALSE(empty.GetDefaults());
    EXPECT_EQ(empty.m_pd.hDC, nullptr);
}

}  // namespace
