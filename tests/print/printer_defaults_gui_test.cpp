// The process's default printer: taken without a window, the PDF printer
// when the print system has no queue, nothing when there is no printer at
// all, and let go again on Release.
#include "print/printer_defaults.h"
#include "tests/support/fake_printer_dc.h"

#include <gtest/gtest.h>

namespace {

TEST(PrinterDefaults, TakesTheDefaultPrinterWithoutAWindow)
{
    FakePrinterScope printer(FakePrinterSpec{600, 4960, 7016});
    CPrinterDefaults defaults;
    EXPECT_EQ(defaults.GetPrinterDC(), nullptr);
    EXPECT_EQ(defaults.LockDevMode(), nullptr);

    ASSERT_TRUE(defaults.Init());
    ASSERT_TRUE(defaults.GetPrintDialog());
    const DWORD flags = defaults.GetPrintDialog()->m_pd.Flags;
    EXPECT_EQ(flags & PD_RETURNDEFAULT, 0u);  // later runs show the dialog
    EXPECT_EQ(flags & (PD_NOSELECTION | PD_RETURNDC | PD_HIDEPRINTTOFILE | PD_NONETWORKBUTTON),
        DWORD(PD_NOSELECTION | PD_RETURNDC | PD_HIDEPRINTTOFILE | PD_NONETWORKBUTTON));
    EXPECT_EQ(defaults.GetPrintDialog()->GetDeviceName(), QString::fromUtf16(kPdfPrinterName));
    ASSERT_TRUE(defaults.GetPrinterDC());
    EXPECT_EQ(defaults.GetPrinterDC()->GetDeviceCaps(LOGPIXELSX), 600);
    POINT paper;
    EXPECT_GT(defaults.GetPrinterDC()->Escape(GETPHYSPAGESIZE, 0, nullptr, &paper), 0);
    EXPECT_EQ(paper, (POINT{4960, 7016}));
    ASSERT_TRUE(defaults.LockDevMode());
    EXPECT_EQ(defaults.LockDevMode()->dmSize, kDevModeSize);

    defaults.Release();
    EXPECT_EQ(defaults.GetPrinterDC(), nullptr);
    EXPECT_EQ(defaults.LockDevMode(), nullptr);
}

TEST(PrinterDefaults, NoPrinterAtAll)
{
    FakePrinterScope printer;
    PrinterSource none;
    none.pdfPrinter = false;
    SetPrinterSourceForTest(none);
    CPrinterDefaults defaults;
    EXPECT_FALSE(defaults.Init());
    EXPECT_EQ(defaults.GetPrinterDC(), nullptr);
    EXPECT_EQ(defaults.LockDevMode(), nullptr);
}

}  // namespace
