// The print job over a recording printer: pages in order with each page's
// copies together, the band of each page read from the right rows, page
// numbers, the stretch mode, and a job that fails at its start, a page or
// its end being broken off and reported.
#include "core/settings/app_settings.h"
#include "core/shared_paths.h"
#include "platform/print/print_dialog.h"
#include "print/print_layout.h"
#include "tests/support/fake_printer_dc.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 50;
constexpr int kHeight = 100;

// Row r of the image is the colour (r, 0, 0), so a band's rows can be told apart.
QImage RowNumberedImage()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int row = 0; row < kHeight; ++row)
        for (int x = 0; x < kWidth; ++x)
            image.setPixel(x, row, qRgb(row, 0, 0));
    return image;
}

QRgb RowColour(int row)
{
    return qRgb(row, 0, 0) & 0xFFFFFF;
}

class PrintJob : public testing::Test {
protected:
    void SetUp() override
    {
        m_oldComplement = AppSettings.ImageComplement;
        m_oldTitle = g_szCaptureTitle;
        ASSERT_TRUE(m_bitmap.CreateFromImage(RowNumberedImage()));
        ASSERT_TRUE(m_dialog.GetDefaults());
        m_layout.ReadDeviceResolution(m_dialog.m_pd.hDC);
        // Paper 1000 x 50 printer pixels with 10-pixel margins: 30 rows a page
        // at one printer pixel each, so 100 rows make 4 pages.
        m_layout.SetDefaultMargins(100, 100, 100, 100);
        ASSERT_EQ(m_layout.Compute(1000, 50, CSize(kWidth, kHeight), FIT_ACTUAL_SIZE), 4);
    }
    void TearDown() override
    {
        AppSettings.ImageComplement = m_oldComplement;
        g_szCaptureTitle = m_oldTitle;
    }
    int Print(const PrintJobOptions& options)
    {
        return m_layout.PrintBitmap(&m_dialog, m_dialog.GetDevMode(), m_bitmap, options);
    }

    FakePrinterScope m_printer;
    CBitmap m_bitmap;
    CPrintDialog m_dialog{FALSE, PD_RETURNDC};
    CPrintLayout m_layout;
    int m_oldComplement = 0;
    QString m_oldTitle;
};

TEST_F(PrintJob, PrintsEveryPageWithItsCopiesTogether)
{
    g_szCaptureTitle = QStringLiteral("テスト画面");
    PrintJobOptions options;
    options.copies = 2;
    EXPECT_EQ(Print(options), PRINT_DONE);

    const FakePrinterLog& log = m_printer.Log();
    QStringList expected{QStringLiteral("StartDoc テスト画面")};
    for (int i = 0; i < 8; ++i)
        expected << "StartPage"
                 << "Stretch"
                 << "EndPage";
    expected << "EndDoc";
    EXPECT_EQ(log.calls, expected);

    ASSERT_EQ(log.stretches.size(), 8u);
    const int rows[] = {30, 30, 30, 10};
    for (int i = 0; i < 8; ++i) {
        const int page = i / 2;
        const FakeStretch& s = log.stretches[i];
        EXPECT_EQ(s.dest, (RECT{10, 10, 10 + kWidth, 10 + rows[page]})) << i;
        EXPECT_EQ(s.sourceRows, rows[page]) << i;
        EXPECT_EQ(s.topLeft, RowColour(page * 30)) << i;
        EXPECT_EQ(s.bottomLeft, RowColour(page * 30 + rows[page] - 1)) << i;
    }
}

TEST_F(PrintJob, StretchModeFollowsImageComplement)
{
    for (int complement : {0, 1}) {
        AppSettings.ImageComplement = complement;
        m_printer.Log().stretches.clear();
        EXPECT_EQ(Print({}), PRINT_DONE);
        ASSERT_FALSE(m_printer.Log().stretches.empty());
        EXPECT_EQ(m_printer.Log().stretches[0].stretchMode, complement == 1 ? HALFTONE : COLORONCOLOR);
    }
}

TEST_F(PrintJob, PageNumbersInTheBottomMargin)
{
    PrintJobOptions options;
    options.printPageNumbers = 1;
    options.numberFormat = 2;
    options.numberPosition = 3;
    EXPECT_EQ(Print(options), PRINT_DONE);
    const QStringList texts = m_printer.Log().calls.filter(QStringLiteral("Text"));
    EXPECT_EQ(texts, (QStringList{"Text 1/4", "Text 2/4", "Text 3/4", "Text 4/4"}));
    // The fake measures "3/4" as 30 x 20: right-aligned against the right margin.
    ASSERT_EQ(m_printer.Log().textRects.size(), 4u);
    EXPECT_EQ(m_printer.Log().textRects[2], (RECT{1000 - 10 - 30, 50 - 40, 1000 - 10, 50}));

    m_printer.Log().calls.clear();
    options.printPageNumbers = 0;
    EXPECT_EQ(Print(options), PRINT_DONE);
    EXPECT_TRUE(m_printer.Log().calls.filter(QStringLiteral("Text")).isEmpty());
}

TEST_F(PrintJob, AFailingJobIsBrokenOffAndReported)
{
    struct Case {
        const char* failCall;
        int failOnCount;
        QString lastCall;  // the job ends with this call
        int pagesStarted;
    };
    const Case cases[] = {
        {"StartDoc", 1, QStringLiteral("StartDoc"), 0},  // nothing started, nothing to throw away
        {"StartPage", 2, QStringLiteral("AbortDoc"), 2},
        {"EndPage", 1, QStringLiteral("AbortDoc"), 1},
        {"EndDoc", 1, QStringLiteral("EndDoc"), 4},
    };
    g_szCaptureTitle.clear();
    for (const Case& c : cases) {
        FakePrinterLog& log = m_printer.Log();
        log.calls.clear();
        log.callCounts.clear();
        log.failCall = QString::fromLatin1(c.failCall);
        log.failOnCount = c.failOnCount;
        EXPECT_EQ(Print({}), PRINT_FAILED) << c.failCall;
        EXPECT_EQ(log.calls.last(), c.lastCall) << c.failCall;
        EXPECT_EQ(log.calls.count(QStringLiteral("StartPage")), c.pagesStarted) << c.failCall;
        EXPECT_EQ(log.calls.count(QStringLiteral("EndDoc")) + log.calls.count(QStringLiteral("AbortDoc")),
            c.failCall == QStringLiteral("StartDoc") ? 0 : 1)
            << c.failCall;
    }
}

TEST_F(PrintJob, RefusesABitmapOfAnotherSize)
{
    CBitmap other;
    ASSERT_TRUE(other.CreateFromImage(QImage(kWidth, kHeight + 1, QImage::Format_RGB32)));
    const int made = m_printer.Log().devicesMade;
    EXPECT_EQ(m_layout.PrintBitmap(&m_dialog, m_dialog.GetDevMode(), other, {}), PRINT_FAILED);
    EXPECT_EQ(m_printer.Log().devicesMade, made);
}

TEST(PrintJobPrinter, NoPrinterAtAll)
{
    FakePrinterScope printer;
    PrinterSource none;
    none.pdfPrinter = false;
    SetPrinterSourceForTest(none);
    CPrintDialog dialog(FALSE, PD_RETURNDC);
    CPrintLayout layout;
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromImage(RowNumberedImage()));
    EXPECT_EQ(layout.PrintBitmap(&dialog, nullptr, bitmap, {}), PRINT_NO_PRINTER);
    EXPECT_EQ(printer.Log().devicesMade, 0);
}

TEST(PrintJobBlock, SizesAreCountedIn64Bits)
{
    struct Case {
        LONG width, height;
        WORD bitCount;
        unsigned long long bytes;
    };
    const Case cases[] = {
        {1920, 35000, 32, 40ull + 1920ull * 4 * 35000},    // passes 2^31 bits
        {40000, 40000, 32, 40ull + 40000ull * 4 * 40000},  // passes 4 GiB
        {5, 3, 24, 40 + 16 * 3},                           // rows padded to 4 bytes
        {3, 2, 8, 40 + 256 * 4 + 4 * 2},                   // with a colour table
        {0, 10, 32, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrintBlockBytes(c.width, c.height, c.bitCount), c.bytes) << c.width << "x" << c.height;
}

}  // namespace
