// The print dialog on the program's own printers: the PDF printer listed when
// the print system has no queue (the dialog shows it, the printer setup
// changes its paper, orientation and copies, and printing writes a PDF file),
// and no printer at all.
#include "print/print_dialog.h"

#include "core/settings/app_settings.h"
#include "imaging/load_bitmap_for_dlg.h"
#include "platform/dialog/printer_setup_dialog.h"
#include "platform/print/printer_list.h"
#include "print/printer_defaults.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/modal_script.h"
#include "tests/support/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class PrintDialogPdfTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_saved = AppSettings;
        AppSettings.PaperUnit = 8;
        AppSettings.HowToPrint = 0;
        AppSettings.MarginLeft = AppSettings.MarginRight = AppSettings.MarginTop = AppSettings.MarginBottom =
            2000;
        ASSERT_TRUE(FillPatternHolder(&m_image, 300, 200, 24));
        ASSERT_EQ(m_image.CreateBitmap(nullptr), 1);
    }
    void TearDown() override
    {
        SetPrinterSetupHookForTesting({});
        SetPrinterSourceForTest(std::nullopt);
        ThePrinterDefaults().Release();
        AppSettings = m_saved;
    }
    void UsePrinters(bool pdfPrinter)
    {
        PrinterSource source;
        source.pdfPrinter = pdfPrinter;
        source.pdfFolder = m_dir.path();
        SetPrinterSourceForTest(source);
        ThePrinterDefaults().Release();
    }
    static QString Text(CDlgPrintOut& d, int id)
    {
        QString text;
        d.GetDlgItemText(id, text);
        return text;
    }
    static void Press(CDlgPrintOut& d, int id) { d.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    QTemporaryDir m_dir;
    AppSettingsRecord m_saved;
    CLoadBitmap_for_Dlg m_image;
};

TEST_F(PrintDialogPdfTest, ThePdfPrinterIsShownSetUpAndPrintsAFile)
{
    UsePrinters(true);
    ScriptedMessageBoxes boxes;
    QList<PrinterSetupRequest> setups;
    SetPrinterSetupHookForTesting([&](const PrinterSetupRequest& request) {
        setups << request;
        PrinterSetupChoice choice;
        choice.copies = 2;
        choice.landscape = true;
        choice.paperName = QStringLiteral("A5");
        return std::optional<PrinterSetupChoice>(choice);
    });
    CDlgPrintOut dialog(m_image.ddb, CDC::FromHandle(m_image.memDC), SIZE{300, 200});
    const INT_PTR result = RunModalScript<CDlgPrintOut>(dialog, [&](CDlgPrintOut& d) {
        EXPECT_EQ(Text(d, IDC_PRINT_PRINTER_NAME), QString::fromUtf16(kPdfPrinterName));
        EXPECT_FALSE(Text(d, IDC_PRINT_PAPER_FORM).isEmpty());
        EXPECT_EQ(Text(d, IDC_PRINT_COPIES), "1");
        Press(d, IDC_PRINT_SETUP);
        EXPECT_EQ(Text(d, IDC_PRINT_ORIENTATION), QStringLiteral("横"));
        EXPECT_EQ(Text(d, IDC_PRINT_PAPER_SIZE), QStringLiteral("148mm(縦) × 210mm(横)"));
        EXPECT_EQ(Text(d, IDC_PRINT_COPIES), "2");
        Press(d, IDC_PRINT_START);
        Press(d, IDC_PRINT_CLOSE);
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(setups.size(), 1);
    EXPECT_EQ(setups[0].copies, 1);
    EXPECT_FALSE(setups[0].landscape);
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join(u'|').toStdString();
    const QStringList files = QDir(m_dir.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    ASSERT_EQ(files.size(), 1);
    QFile pdf(m_dir.filePath(files[0]));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST_F(PrintDialogPdfTest, WithNoPrinterAtAllTheDialogSaysSoAndCloses)
{
    UsePrinters(false);
    ScriptedMessageBoxes boxes;
    CDlgPrintOut dialog(m_image.ddb, CDC::FromHandle(m_image.memDC), SIZE{300, 200});
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (dialog.GetSafeHwnd())
            dialog.EndDialog(-2);
    });
    guard.start(5000);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(boxes.Texts(),
        QStringList{QStringLiteral("プリンタの取得に失敗しました。\n\nKestrelを再起動して下さい。")});
}

}  // namespace
