// The print dialog over a printer of the test's own (A4 at 100 dpi): what it
// shows, the margins typed, spun and dragged, the fit modes and paging, the
// settings OK stores and Cancel keeps, the jobs it starts and their failures,
// the printer setup, and a missing printer.
#include "print/print_dialog.h"

#include "core/geometry.h"
#include "core/settings/app_settings.h"
#include "imaging/load_bitmap_for_dlg.h"
#include "tests/support/fake_print_out_printer.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/modal_script.h"
#include "tests/support/scripted_dialogs.h"

#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace {

class PrintDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_saved = AppSettings;
        AppSettings.PaperUnit = kPaperUnitMetric;
        AppSettings.HowToPrint = 0;
        AppSettings.MarginLeft = AppSettings.MarginRight = AppSettings.MarginTop = AppSettings.MarginBottom =
            2000;
        AppSettings.ViewPage = 1;
        AppSettings.ViewPagePos = 3;
        AppSettings.ViewFormat = 2;
        AppSettings.ViewExPrnMenu = 1;
        AppSettings.MarginSpinVolume = 7;
        AppSettings.IndependMargin = 1;
        AppSettings.DlgPrintOutLeft = AppSettings.DlgPrintOutTop = -1;
        UseImage(400, 200);
    }
    void TearDown() override { AppSettings = m_saved; }
    void UseImage(int w, int h)
    {
        m_image.Free();
        ASSERT_TRUE(FillPatternHolder(&m_image, w, h, 24));
        ASSERT_EQ(m_image.CreateBitmap(nullptr), 1);
        m_size = SIZE{w, h};
    }
    INT_PTR Run(const std::function<void(CDlgPrintOut&)>& script)
    {
        CDlgPrintOut dialog(m_image.ddb, CDC::FromHandle(m_image.memDC), m_size);
        return RunModalScript<CDlgPrintOut>(dialog, script);
    }
    static QString Text(CDlgPrintOut& d, int id)
    {
        QString text;
        d.GetDlgItemText(id, text);
        return text;
    }
    static bool Enabled(CDlgPrintOut& d, int id) { return d.GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    static void Press(CDlgPrintOut& d, int id) { d.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    static void Type(CDlgPrintOut& d, int id, const QString& text)
    {
        d.SetDlgItemText(id, text);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), 0);
    }
    static void Spin(CDlgPrintOut& d, int id, int delta)
    {
        NMUPDOWN change{};
        change.hdr.idFrom = static_cast<UINT_PTR>(id);
        change.hdr.code = UDN_DELTAPOS;
        change.iDelta = delta;
        d.SendMessage(WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&change));
    }
    static void Mouse(CDlgPrintOut& d, UINT message, int x, int y)
    {
        const WPARAM buttons = message == WM_LBUTTONUP ? 0 : WPARAM{MK_LBUTTON};
        d.SendMessage(message, buttons, MAKELPARAM(x, y));
    }

    AppSettingsRecord m_saved;
    FakePrintOutPrinter m_printer;
    CLoadBitmap_for_Dlg m_image;
    SIZE m_size{};
};

TEST_F(PrintDialogTest, ShowsThePrinterAndOkStoresWhatItRead)
{
    AppSettings.MarginLeft = 1270;
    AppSettings.MarginRight = 201;  // cut instead of rounded, OK would lower it
    AppSettings.MarginTop = 20000;  // 200 mm: more than half the height
    const INT_PTR result = Run([&](CDlgPrintOut& d) {
        EXPECT_EQ(d.GetWindowText(), QStringLiteral("Kestrel 印刷"));
        EXPECT_EQ(Text(d, IDC_PRINT_PRINTER_NAME), "Test Printer");
        EXPECT_EQ(Text(d, IDC_PRINT_PAPER_FORM), "A4");
        EXPECT_EQ(Text(d, IDC_PRINT_ORIENTATION), QStringLiteral("縦"));
        EXPECT_EQ(Text(d, IDC_PRINT_PAPER_SIZE), QStringLiteral("297mm(縦) × 210mm(横)"));
        EXPECT_EQ(Text(d, IDC_PRINT_COPIES), "1");  // 0 copies read as 1
        EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_LEFT), "12.7");
        EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_RIGHT), "2.01");
        EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_TOP), "20");  // the invalid margin became 20 mm
        EXPECT_EQ(Text(d, IDC_PRINT_PAGE_COUNT), "1");
        EXPECT_EQ(Text(d, IDC_PRINT_CURRENT_PAGE), "1");
        EXPECT_FALSE(Enabled(d, IDC_PRINT_PAGE_UP));
        EXPECT_FALSE(Enabled(d, IDC_PRINT_PAGE_DOWN));
        EXPECT_TRUE(Enabled(d, IDC_PRINT_START));
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_PRINT_FIT_WIDTH), 1u);
        EXPECT_EQ(CDlgPrintOut::Running(), &d);
        Press(d, IDC_PRINT_CLOSE);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(CDlgPrintOut::Running(), nullptr);
    EXPECT_EQ(AppSettings.MarginLeft, 1270);
    EXPECT_EQ(AppSettings.MarginRight, 201);
    EXPECT_EQ(AppSettings.MarginTop, 2000);
    EXPECT_EQ(AppSettings.ViewPage, 1);
    EXPECT_EQ(AppSettings.ViewPagePos, 3);
    EXPECT_EQ(AppSettings.ViewFormat, 2);
    EXPECT_EQ(AppSettings.ViewExPrnMenu, 1);
    EXPECT_EQ(AppSettings.MarginSpinVolume, 2);
    EXPECT_EQ(AppSettings.IndependMargin, 0);
    EXPECT_EQ(AppSettings.DlgPrintOutLeft, 0);
    EXPECT_EQ(AppSettings.DlgPrintOutTop, 0);
}

TEST_F(PrintDialogTest, MarginsInInchesAreStoredInInches)
{
    AppSettings.PaperUnit = kPaperUnitInch;
    AppSettings.MarginLeft = AppSettings.MarginRight = AppSettings.MarginTop = AppSettings.MarginBottom = 500;
    const INT_PTR result = Run([&](CDlgPrintOut& d) {
        EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_LEFT), "12.7");
        // The layout always counts metric: 12.7 mm at 100 dpi is 50 printer pixels.
        EXPECT_EQ(d.Layout().GetMargins().left, 50);
        Type(d, IDC_PRINT_MARGIN_LEFT, "25.4");
        Press(d, IDC_PRINT_CLOSE);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(AppSettings.MarginLeft, 1000);
    EXPECT_EQ(AppSettings.MarginRight, 500);
}

TEST_F(PrintDialogTest, TypedAndSpunMarginsKeepTheRuleAndCancelKeepsTheSettings)
{
    const INT_PTR result = Run([&](CDlgPrintOut& d) {
        struct Case {
            int edit;
            const char* typed;
            const char* shown;
        };
        const Case cases[] = {
            {IDC_PRINT_MARGIN_LEFT, "105", "20"},  // half of 210 mm
            {IDC_PRINT_MARGIN_LEFT, "104.9", "104.9"},
            {IDC_PRINT_MARGIN_RIGHT, "-1", "20"},
            {IDC_PRINT_MARGIN_RIGHT, "abc", "20"},
            {IDC_PRINT_MARGIN_TOP, "110", "110"},  // half of 297 mm is 148.5
            {IDC_PRINT_MARGIN_BOTTOM, "148.5", "20"},
            {IDC_PRINT_MARGIN_BOTTOM, "0", "0"},
        };
        for (const Case& c : cases) {
            Type(d, c.edit, QString::fromLatin1(c.typed));
            EXPECT_EQ(Text(d, c.edit), QString::fromLatin1(c.shown)) << c.typed;
        }
        EXPECT_DOUBLE_EQ(d.MarginMillimetres(MarginSide::Left), 104.9);

        // Every arrow moves its line its own way; a step past the rule is ignored.
        Type(d, IDC_PRINT_MARGIN_LEFT, "20");
        Spin(d, IDC_PRINT_SPIN_LEFT, -1);
        EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_LEFT), "21");
        Spin(d, IDC_PRINT_SPIN_RIGHT, -1);
        EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_RIGHT), "19");
        Spin(d, IDC_PRINT_SPIN_TOP, 1);
        EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_TOP), "111");
        Spin(d, IDC_PRINT_SPIN_BOTTOM, 1);  // 0 - 1 is refused
        EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_BOTTOM), "0");
        EXPECT_EQ(d.Layout().GetMargins().left, RoundHalfAway(21 / 25.4 * 100));
        Press(d, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(AppSettings.MarginLeft, 2000);
    EXPECT_EQ(AppSettings.MarginTop, 2000);
    EXPECT_EQ(AppSettings.MarginSpinVolume, 2);  // replaced at opening, as read
}

TEST_F(PrintDialogTest, ActualSizeWithAWideImageCannotPrintUntilTheModeChanges)
{
    UseImage(2000, 100);  // 508 mm at 100 dpi
    AppSettings.HowToPrint = 1;
    const INT_PTR result = Run([&](CDlgPrintOut& d) {
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_PRINT_ACTUAL_SIZE), 1u);
        EXPECT_FALSE(Enabled(d, IDC_PRINT_START));
        EXPECT_FALSE(Enabled(d, IDC_PRINT_MARGIN_RIGHT));
        EXPECT_FALSE(Enabled(d, IDC_PRINT_SPIN_RIGHT));
        d.CheckDlgButton(IDC_PRINT_ONE_PAGE, 1);
        Press(d, IDC_PRINT_ONE_PAGE);
        EXPECT_EQ(d.FitMode(), kFitOnePage);
        EXPECT_TRUE(Enabled(d, IDC_PRINT_START));
        EXPECT_TRUE(Enabled(d, IDC_PRINT_MARGIN_RIGHT));
        EXPECT_EQ(Text(d, IDC_PRINT_PAGE_COUNT), "1");
        Press(d, IDC_PRINT_CLOSE);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(AppSettings.HowToPrint, 2);
}

TEST_F(PrintDialogTest, PagesTurnByButtonKeyAndWheelWithinTheirCount)
{
    UseImage(100, 1000);  // fitted to the width: about 5 pages
    const INT_PTR result = Run([&](CDlgPrintOut& d) {
        const int pages = d.PageCount();
        ASSERT_GT(pages, 2);
        EXPECT_EQ(Text(d, IDC_PRINT_PAGE_COUNT), QString::number(pages));
        EXPECT_FALSE(Enabled(d, IDC_PRINT_PAGE_UP));
        EXPECT_TRUE(Enabled(d, IDC_PRINT_PAGE_DOWN));
        Press(d, IDC_PRINT_PAGE_DOWN);
        EXPECT_EQ(d.CurrentPage(), 2);
        EXPECT_EQ(Text(d, IDC_PRINT_CURRENT_PAGE), "2");
        EXPECT_TRUE(Enabled(d, IDC_PRINT_PAGE_UP));

        // Down arrow and Page Down post the next page.
        MSG key{};
        key.hwnd = d.GetSafeHwnd();
        key.message = WM_KEYDOWN;
        key.wParam = VK_DOWN;
        EXPECT_TRUE(d.PreTranslateMessage(&key));
        EXPECT_TRUE(PumpUntil([&] { return d.CurrentPage() == 3; }, 1000));

        // The wheel over the page box turns back; outside it, nothing.
        const RECT box = d.PageBoxInClient();
        POINT inside{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
        d.ClientToScreen(&inside);
        d.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(inside.x, inside.y));
        EXPECT_EQ(d.CurrentPage(), 2);
        POINT outside{box.left - 5, box.top};
        d.ClientToScreen(&outside);
        d.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(outside.x, outside.y));
        EXPECT_EQ(d.CurrentPage(), 2);

        for (int i = 0; i < pages + 2; ++i)
            Press(d, IDC_PRINT_PAGE_DOWN);
        EXPECT_EQ(d.CurrentPage(), pages);
        EXPECT_FALSE(Enabled(d, IDC_PRINT_PAGE_DOWN));
        // Fewer pages after a change: the page shown follows.
        d.CheckDlgButton(IDC_PRINT_ONE_PAGE, 1);
        Press(d, IDC_PRINT_ONE_PAGE);
        EXPECT_EQ(d.CurrentPage(), 1);
        EXPECT_FALSE(Enabled(d, IDC_PRINT_PAGE_UP));
        EXPECT_FALSE(Enabled(d, IDC_PRINT_PAGE_DOWN));
        Press(d, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(PrintDialogTest, DraggingAMarginLineMovesItByWholeMillimetres)
{
    const INT_PTR result = Run([&](CDlgPrintOut& d) {
        const RECT box = d.PageBoxInClient();
        const RECT m = d.PreviewMarginsInBox();
        const int width = box.right - box.left;
        const double pixelsPerMm = width / 210.0;
        const int x = box.left + m.left;
        const int y = (box.top + box.bottom) / 2;
        Mouse(d, WM_MOUSEMOVE, x, y);
        Mouse(d, WM_LBUTTONDOWN, x, y);
        // Less than half a millimetre: nothing yet.
        Mouse(d, WM_MOUSEMOVE, x + static_cast<int>(pixelsPerMm * 0.4), y);
        EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_LEFT), "20");
        // Towards the centre widens the margin.
        const int moved = static_cast<int>(pixelsPerMm * 3 + 0.5);
        Mouse(d, WM_MOUSEMOVE, x + moved, y);
        const int expected = 20 + static_cast<int>(moved / pixelsPerMm + 0.5);
        EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_LEFT), QString::number(expected));
        EXPECT_EQ(d.Layout().GetMargins().left, RoundHalfAway(expected / 25.4 * 100));
        Mouse(d, WM_LBUTTONUP, x + moved, y);
        // Released: moving changes nothing more.
        Mouse(d, WM_MOUSEMOVE, x + 2 * moved, y);
        EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_LEFT), QString::number(expected));
        Press(d, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(PrintDialogTest, PrintStartsAJobAndReportsFailuresStayingOpen)
{
    m_printer.sheet->copies = 3;
    ScriptedMessageBoxes boxes;
    const INT_PTR result = Run([&](CDlgPrintOut& d) {
        Press(d, IDC_PRINT_START);
        ASSERT_EQ(m_printer.jobs.size(), 1);
        const PrintJobOptions& options = m_printer.jobs[0].options;
        EXPECT_EQ(options.copies, 3);
        EXPECT_EQ(options.printPageNumbers, 1);
        EXPECT_EQ(options.numberPosition, 3);
        EXPECT_EQ(options.numberFormat, 2);
        EXPECT_EQ(m_printer.jobs[0].pages, 1);
        EXPECT_EQ(m_printer.jobs[0].image.cx, 400);
        EXPECT_TRUE(boxes.Texts().isEmpty());
        struct Case {
            int result;
            const char16_t* message;
        };
        const Case cases[] = {
            {PRINT_NO_MEMORY, u"印刷する為のメモリ確保に失敗しました。"},
            {PRINT_NO_PRINTER, u"プリンタのセットアップに失敗しました。"},
            {PRINT_FAILED, u"印刷に失敗しました。"},
        };
        for (const Case& c : cases) {
            m_printer.printResult = c.result;
            Press(d, IDC_PRINT_START);
            EXPECT_EQ(boxes.Texts().last(), QString::fromUtf16(c.message));
            EXPECT_TRUE(d.IsWindowEnabled());
        }
        Press(d, IDC_PRINT_CLOSE);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(m_printer.jobs.size(), 4);
}

TEST_F(PrintDialogTest, PrinterSetupChangesWhatIsShownOrClosesOnAnUnreadablePrinter)
{
    ScriptedMessageBoxes boxes;
    INT_PTR result = Run([&](CDlgPrintOut& d) {
        Press(d, IDC_PRINT_SETUP);  // cancelled: nothing changes
        EXPECT_EQ(Text(d, IDC_PRINT_ORIENTATION), QStringLiteral("縦"));
        PrinterSheet landscape = A4SheetAt100Dpi();
        std::swap(landscape.physicalWidth, landscape.physicalHeight);
        landscape.orientation = 2;
        landscape.copies = 2;
        m_printer.afterSetup = landscape;
        Press(d, IDC_PRINT_SETUP);
        EXPECT_EQ(Text(d, IDC_PRINT_ORIENTATION), QStringLiteral("横"));
        EXPECT_EQ(Text(d, IDC_PRINT_PAPER_SIZE), QStringLiteral("210mm(縦) × 297mm(横)"));
        EXPECT_EQ(Text(d, IDC_PRINT_COPIES), "2");
        // The margin rule follows the paper: 140 mm fits beside a 297 mm width.
        Type(d, IDC_PRINT_MARGIN_LEFT, "140");
        EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_LEFT), "140");
        PrinterSheet nameless = landscape;
        nameless.formName.clear();
        m_printer.afterSetup = nameless;
        Press(d, IDC_PRINT_SETUP);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("プリンタ情報の取得に失敗しました。")});
}

TEST_F(PrintDialogTest, WithoutAnyPrinterTheDialogSaysSoAndCloses)
{
    m_printer.sheet.reset();
    ScriptedMessageBoxes boxes;
    CDlgPrintOut dialog(m_image.ddb, CDC::FromHandle(m_image.memDC), m_size);
    QTimer guard;  // a dialog that stayed open would fail the test, not hang it
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (dialog.GetSafeHwnd())
            dialog.EndDialog(-2);
    });
    guard.start(5000);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(m_printer.reinitialised, 1);  // tried once more from the default printer
    EXPECT_EQ(boxes.Texts(),
        QStringList{QStringLiteral("プリンタの取得に失敗しました。\n\nKestrelを再起動して下さい。")});
    EXPECT_EQ(AppSettings.MarginLeft, 2000);
}

}  // namespace
