// Printing a known image through the real PDF printer: the number of pages
// (with copies) from pdfinfo, and where the image lands on paper from a
// rendering by pdftoppm at one pixel per millimetre.
#include "platform/print/print_dialog.h"
#include "platform/print/printer_list.h"
#include "print/print_layout.h"
#include "print_output_checks.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PrintToPdf : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        PrinterSource source;
        source.pdfFolder = m_dir.path();
        SetPrinterSourceForTest(source);
        ASSERT_TRUE(m_dialog.GetDefaults());
        // A4 portrait, whatever the Qt default paper is here.
        DEVMODE* dm = m_dialog.GetDevMode();
        dm->dmPaperWidth = 2100;
        dm->dmPaperLength = 2970;
        SetDevModeText(dm->dmFormName, CCHFORMNAME, QStringLiteral("A4"));
        dm->dmOrientation = DMORIENT_PORTRAIT;
        m_layout.ReadDeviceResolution(m_dialog.m_pd.hDC);
        m_layout.SetDefaultMargins(2000, 3000, 2000, 2000);  // left 20 mm, right 30 mm
    }
    void TearDown() override { SetPrinterSourceForTest(std::nullopt); }

    QString PrintedFile() const
    {
        const QStringList files = QDir(m_dir.path()).entryList({QStringLiteral("*.pdf")});
        return files.size() == 1 ? QDir(m_dir.path()).filePath(files.first()) : QString();
    }

    QTemporaryDir m_dir;
    CPrintDialog m_dialog{FALSE, PD_RETURNDC};
    CPrintLayout m_layout;
};

TEST_F(PrintToPdf, TheImageFillsTheWidthBetweenTheMargins)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromImage(RedOverBlue(320, 160, 80)));
    ASSERT_EQ(m_layout.Compute(2100, 2970, CSize(320, 160), FIT_MARGIN_WIDTH), 1);
    ASSERT_EQ(m_layout.PrintBitmap(&m_dialog, m_dialog.GetDevMode(), bitmap, {}), PRINT_DONE);

    const QString pdf = PrintedFile();
    ASSERT_FALSE(pdf.isEmpty());
    const PdfFacts facts = ReadPdfFacts(pdf);
    EXPECT_EQ(facts.pages, 1);
    EXPECT_NEAR(facts.pageWidthPt, 595.3, 1.0);
    EXPECT_NEAR(facts.pageHeightPt, 841.9, 1.0);

    // 160 mm wide between margins of 20 and 30 mm, so 80 mm tall, from
    // (20, 20): the red top half above the blue bottom half.
    const QImage page = RenderPdfPage(pdf, 1, 25.4);
    ASSERT_FALSE(page.isNull());
    const QRect red = RedArea(page);
    const QRect blue = BlueArea(page);
    EXPECT_NEAR(red.left(), 20, 1);
    EXPECT_NEAR(red.top(), 20, 1);
    EXPECT_NEAR(red.width(), 160, 1);
    EXPECT_NEAR(red.height(), 40, 1);
    EXPECT_NEAR(blue.left(), 20, 1);
    EXPECT_NEAR(blue.top(), 60, 1);
    EXPECT_NEAR(blue.bottom() - red.top() + 1, 80, 1);
}

TEST_F(PrintToPdf, TallImageAtActualSizeMakesPagesAndCopies)
{
    // 257 mm between the top and bottom margins are 12,142 rows at 1200 dpi:
    // 15,000 rows take two pages, printed twice each. The rows of the first
    // page are red, those of the second blue.
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromImage(RedOverBlue(100, 15000, 12142)));
    ASSERT_EQ(m_layout.Compute(2100, 2970, CSize(100, 15000), FIT_ACTUAL_SIZE), 2);
    PrintJobOptions options;
    options.copies = 2;
    options.printPageNumbers = 1;
    ASSERT_EQ(m_layout.PrintBitmap(&m_dialog, m_dialog.GetDevMode(), bitmap, options), PRINT_DONE);

    const QString pdf = PrintedFile();
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(ReadPdfFacts(pdf).pages, 4);
    for (int pdfPage : {1, 2}) {
        const QImage page = RenderPdfPage(pdf, pdfPage, 25.4);
        EXPECT_TRUE(BlueArea(page).isEmpty()) << pdfPage;
        EXPECT_NEAR(RedArea(page).height(), 257, 1.5) << pdfPage;
    }
    // The page number "1" or "2" at the left margin in the bottom margin,
    // from twice its 3 mm height above the paper's edge (10 pixels a millimetre).
    for (int pdfPage : {1, 4}) {
        const QRect number = BlackArea(RenderPdfPage(pdf, pdfPage, 254), 2780);
        ASSERT_FALSE(number.isEmpty()) << pdfPage;
        EXPECT_NEAR(number.left(), 200, 15) << pdfPage;
        EXPECT_GE(number.top(), 2900) << pdfPage;
        EXPECT_LE(number.bottom(), 2970) << pdfPage;
        EXPECT_LT(number.width(), 40) << pdfPage;
    }
    // The second page holds the last 2,858 rows, about 60 mm from the top margin.
    for (int pdfPage : {3, 4}) {
        const QImage page = RenderPdfPage(pdf, pdfPage, 25.4);
        EXPECT_TRUE(RedArea(page).isEmpty()) << pdfPage;
        const QRect last = BlueArea(page);
        EXPECT_NEAR(last.top(), 20, 1) << pdfPage;
        EXPECT_NEAR(last.height(), 2858 * 25.4 / 1200, 1.5) << pdfPage;
        EXPECT_NEAR(last.width(), 100 * 25.4 / 1200, 1.5) << pdfPage;
    }
}

}  // namespace
