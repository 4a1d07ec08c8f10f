// The mask settings: the range graph as drawn, the calendar over a folder
// whose files share one day, the marker drag with its role swap, and OK
// against Cancel.
#include "multiview/mask_dialog.h"

#include "core/multi_view_globals.h"
#include "core/multi_view_messages.h"
#include "core/settings/app_settings.h"
#include "multiview/histogram_graph.h"
#include "multiview/multi_view_stage.h"
#include "multiview/multi_view_state.h"
#include "multiview/thumb_mask.h"
#include "multiview/thumbnail_list.h"
#include "multiview/thumbnail_loaders.h"
#include "tests/multiview/fake_multi_panel.h"
#include "tests/multiview/fake_thumbnail_decoder.h"
#include "tests/support/modal_script.h"
#include "tests/support/pump_until.h"

#include <QTemporaryDir>
#include <ctime>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A graph area of 102 x 62: layers of 100 x 60, drawn at (1, 1).
struct GraphTarget {
    CDC dc;
    CBitmap bitmap;
    GraphTarget()
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, 102, 62);
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 102, 62, RGB(0, 0, 0));
    }
    // A pixel of the layers' coordinates.
    COLORREF At(int x, int y) const { return dc.GetPixel(x + 1, y + 1); }
    int BlueInColumn(int x) const
    {
        int n = 0;
        for (int y = 0; y <= 59; ++y)
            n += At(x, y) == kBlue;
        return n;
    }
};

TEST(HistogramGraph, BarsMarkersAndShadingLandOnTheirPixels)
{
    CMaskValueTally tally;
    ASSERT_EQ(tally.Reset(), 1);
    tally.ResetRange();
    for (int i = 0; i < 4; ++i)
        tally.Add(kMeasureByteSize, 100);
    tally.Add(kMeasureByteSize, 300);
    ASSERT_EQ(tally.ComputeMaxCount(kMeasureByteSize), 4);

    GraphTarget t;
    CHistogramGraph graph(RECT{0, 0, 102, 62});
    graph.SetCountRange(0, 4);
    graph.SetValueRange(100, 300);
    ASSERT_EQ(graph.InitBackgroundLayer(&t.dc), 1);
    ASSERT_EQ(graph.InitHistogramLayer(&t.dc), 1);
    ASSERT_EQ(graph.InitMarkerLayer(&t.dc), 1);
    graph.DrawHistogram(kMeasureByteSize, tally);
    graph.DrawRangeMarkers(150, 250);
    EXPECT_EQ(graph.LowMarkerX(), 24);  // 50 / 200 of 99 pixels
    EXPECT_EQ(graph.HighMarkerX(), 74);
    graph.ShadeOutsideRange(graph.LowMarkerX(), graph.HighMarkerX());
    graph.Compose(&t.dc);

    // The tallest bar at x 1 reaches 10 pixels below the top; the bar of
    // count 1 at the far end a quarter of the 50 pixels.
    EXPECT_EQ(t.At(1, 10), kRed);
    EXPECT_EQ(t.At(1, 59), kRed);
    EXPECT_EQ(t.At(1, 9), kGrey);
    EXPECT_EQ(t.At(98, 48), kRed);
    EXPECT_EQ(t.At(98, 46), kGrey);
    // Grey outside the range, white inside, the frame's pixels untouched.
    EXPECT_EQ(t.At(10, 30), kGrey);
    EXPECT_EQ(t.At(50, 30), kWhite);
    EXPECT_EQ(t.At(80, 30), kGrey);
    EXPECT_EQ(t.dc.GetPixel(0, 0), RGB(0, 0, 0));
    // Dotted markers over the whole height.
    EXPECT_GT(t.BlueInColumn(24), 10);
    EXPECT_LT(t.BlueInColumn(24), 60);
    EXPECT_GT(t.BlueInColumn(74), 10);
    EXPECT_EQ(t.BlueInColumn(50), 0);

    // The marker mapping and its inverse agree on every pixel.
    for (int x = 0; x <= 99; ++x) {
        graph.DrawRangeMarkers(graph.PixelToValue(x), 300);
        EXPECT_EQ(graph.LowMarkerX(), x) << x;
    }
}

TEST(HistogramGraph, AnEmptyTallyDrawsFullHeightMarkers)
{
    CMaskValueTally tally;
    ASSERT_EQ(tally.Reset(), 1);
    GraphTarget t;
    CHistogramGraph graph(RECT{0, 0, 102, 62});
    graph.SetCountRange(0, 0);
    graph.SetValueRange(0, 0);
    graph.InitBackgroundLayer(&t.dc);
    graph.InitHistogramLayer(&t.dc);
    graph.InitMarkerLayer(&t.dc);
    graph.DrawHistogram(kMeasureByteSize, tally);
    graph.DrawRangeMarkers(0, 0);
    graph.ShadeOutsideRange(graph.LowMarkerX(), graph.HighMarkerX());
    graph.Compose(&t.dc);
    EXPECT_EQ(graph.LowMarkerX(), 0);
    EXPECT_GT(t.BlueInColumn(0), 10);
    EXPECT_EQ(graph.PixelToValue(40), 0u);
}

// A stage over a folder of six files of 1..6 bytes, all written on one day.
class MaskDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_saved = AppSettings;
        AppSettings.MaxHBitmapNumber = 2000;
        AppSettings.MaskExt = 0;
        AppSettings.IncludeMaskFile = 1;
        AppSettings.IsTMIExtMode = 0;
        AppSettings.ExtensionMask = kMeasureByteSize;
        GetMultiViewState() = MultiViewState{};
        GetMultiViewState().thumbSize = 144;
        ASSERT_TRUE(m_panel.Create());
        m_stage.SetPanelState(&m_panel);
        m_stage.List().SetThumbnailDecoder(m_decoder.Decoder());
        m_stage.List().SetAvailableMemoryMB([] { return DWORD{100000}; });
        ASSERT_TRUE(m_stage.Create(nullptr));
        m_stage.ShowWindow(SW_SHOW);
        m_folder = MakePictureFolder(m_dir, QStringLiteral("a"), 6);
        m_panel.displayState = kMultiDisplayLoading;
        m_stage.SendMessage(WM_MULTI_FOLDER_CHANGED, reinterpret_cast<WPARAM>(&m_folder), kSortBitDate);
        ASSERT_TRUE(PumpUntil([&] { return !m_stage.Loaders().AnyAlive(); }, 10000));
        ASSERT_TRUE(PumpUntil([&] { return m_stage.Mask().GetStatus() == CThumbMask::kDone; }, 10000));
        ASSERT_EQ(m_stage.Mask().GetDays().size(), 1u);
        m_day = m_stage.Mask().GetDays()[0];
    }
    void TearDown() override
    {
        m_stage.DestroyWindow();
        m_panel.DestroyWindow();
        AppSettings = m_saved;
    }
    static void Click(CDlgMaskThumbnailWindow& d, int id, UINT check)
    {
        d.CheckDlgButton(id, check);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
    static void Mouse(CDlgMaskThumbnailWindow& d, UINT message, int x, int y)
    {
        d.SendMessage(message, message == WM_LBUTTONUP ? WPARAM{0} : WPARAM{MK_LBUTTON}, MAKELPARAM(x, y));
    }
    int HiddenFiles() const
    {
        int n = 0;
        for (int f = 0; f < m_stage.List().GetFileCount(); ++f)
            n += m_stage.List().IsHiddenByMasks(f) ? 1 : 0;
        return n;
    }

    QTemporaryDir m_dir;
    AppSettingsRecord m_saved;
    FakeThumbnailDecoder m_decoder;
    FakePanel m_panel;
    CDlgMultiViewStage m_stage;
    QString m_folder;
    MaskDateEntry m_day;
};

TEST_F(MaskDialogTest, ClearingTheOnlyDayMasksEveryFileOnOkNotOnCancel)
{
    const int dayBox = IDC_MASK_DAY_1 + m_day.day - 1;
    const auto script = [&](CDlgMaskThumbnailWindow& d) {
        // Only the files' month is offered, with its day ticked and enabled.
        for (int m = 1; m <= 12; ++m)
            EXPECT_EQ(d.GetDlgItem(IDC_MASK_MONTH_1 + m - 1)->IsWindowEnabled(), m == m_day.month) << m;
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_MASK_MONTH_1 + m_day.month - 1), 1u);
        EXPECT_EQ(d.IsDlgButtonChecked(dayBox), 1u);
        EXPECT_TRUE(d.GetDlgItem(dayBox)->IsWindowEnabled());
        EXPECT_FALSE(d.GetDlgItem(IDC_MASK_DAY_1 + 30)->IsWindowEnabled());
        Click(d, dayBox, 0);
        EXPECT_EQ(d.Days()[0].masked, 1);
    };
    {
        CDlgMaskThumbnailWindow cancelled(&m_stage);
        EXPECT_EQ(RunModalScript<CDlgMaskThumbnailWindow>(cancelled,
                      [&](CDlgMaskThumbnailWindow& d) {
                          script(d);
                          d.SendMessage(WM_COMMAND, IDCANCEL);
                      }),
            IDCANCEL);
    }
    EXPECT_FALSE(m_stage.Mask().IsAnyDayMasked());
    EXPECT_EQ(HiddenFiles(), 0);

    CDlgMaskThumbnailWindow dialog(&m_stage);
    EXPECT_EQ(RunModalScript<CDlgMaskThumbnailWindow>(dialog,
                  [&](CDlgMaskThumbnailWindow& d) {
                      script(d);
                      Click(d, IDC_MASK_EXCLUDE, 1);  // masked files leave the selection
                      d.SendMessage(WM_COMMAND, IDOK);
                  }),
        IDOK);
    EXPECT_TRUE(m_stage.Mask().IsAnyDayMasked());
    EXPECT_EQ(HiddenFiles(), 6);
    EXPECT_EQ(AppSettings.IncludeMaskFile, 0);
    EXPECT_EQ(m_stage.Mask().GetRememberedYear(), m_day.year);
    EXPECT_EQ(m_stage.Mask().GetRememberedMonth(), m_day.month);

    // The masked cells refuse the selection.
    for (int p = 0; p < m_stage.List().GetFileCount(); ++p)
        m_stage.List().SetSelection(p, 1);
    m_stage.SendMessage(WM_MULTI_APPLY_MASKS);
    EXPECT_EQ(m_stage.List().GetSelectedCount(), 0);
}

TEST_F(MaskDialogTest, YearScopeSetShowsAgainWhatTheMonthClearMasked)
{
    CDlgMaskThumbnailWindow dialog(&m_stage);
    RunModalScript<CDlgMaskThumbnailWindow>(dialog, [&](CDlgMaskThumbnailWindow& d) {
        // The three scopes' buttons carry the pictures of icon scale 1.
        for (int set : {IDC_MASK_ALL_YEARS_SET, IDC_MASK_MONTH_SET, IDC_MASK_TYPES_SET})
            EXPECT_EQ(d.ShownPicture(set), 377) << set;
        for (int clear : {IDC_MASK_ALL_YEARS_CLEAR, IDC_MASK_MONTH_CLEAR, IDC_MASK_TYPES_CLEAR})
            EXPECT_EQ(d.ShownPicture(clear), 378) << clear;
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MASK_MONTH_CLEAR, BN_CLICKED));
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_MASK_DAY_1 + m_day.day - 1), 0u);
        EXPECT_EQ(d.Days()[0].masked, 1);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MASK_ALL_YEARS_SET, BN_CLICKED));
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_MASK_DAY_1 + m_day.day - 1), 1u);
        d.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(HiddenFiles(), 0);
}

TEST_F(MaskDialogTest, DraggingTheMarkersSetsTheRangeAndSwapsRoles)
{
    AppSettings.IsTMIExtMode = 1;
    m_stage.Tally().SetRange(0, 0);
    CDlgMaskThumbnailWindow dialog(&m_stage);
    const INT_PTR result = RunModalScript<CDlgMaskThumbnailWindow>(dialog, [&](CDlgMaskThumbnailWindow& d) {
        ASSERT_TRUE(PumpUntil([&] { return d.Graph() && d.RangeHigh() == 6; }));
        EXPECT_EQ(d.RangeLow(), 1u);
        QString text;
        d.GetDlgItemText(IDC_MASK_MINIMUM, text);
        EXPECT_EQ(text, "1");
        d.GetDlgItemText(IDC_MASK_LOW_UNIT, text);
        EXPECT_EQ(text, "Byte");
        const RECT g = d.GraphRect();
        const int left = g.left + 1;
        const int y = (g.top + g.bottom) / 2;
        const int middle = left + d.Graph()->LayerWidth() / 2;

        // The high marker pulled to the middle.
        Mouse(d, WM_LBUTTONDOWN, left + d.Graph()->HighMarkerX() + 1, y);
        Mouse(d, WM_MOUSEMOVE, middle, y);
        Mouse(d, WM_LBUTTONUP, middle, y);
        const DWORD mid = d.RangeHigh();
        EXPECT_GT(mid, 1u);
        EXPECT_LT(mid, 6u);
        // The low marker dragged past it becomes the high end and goes on.
        Mouse(d, WM_LBUTTONDOWN, left + d.Graph()->LowMarkerX() - 2, y);
        Mouse(d, WM_MOUSEMOVE, g.right + 50, y);  // past the graph: the maximum
        EXPECT_EQ(d.RangeLow(), mid);
        EXPECT_EQ(d.RangeHigh(), 6u);
        Mouse(d, WM_MOUSEMOVE, left + d.Graph()->LayerWidth() * 7 / 10, y);
        Mouse(d, WM_LBUTTONUP, 0, 0);
        EXPECT_EQ(d.RangeLow(), mid);
        EXPECT_LT(d.RangeHigh(), 6u);
        EXPECT_GE(d.RangeHigh(), mid);
        // A press away from the markers grabs nothing.
        const DWORD low = d.RangeLow();
        const DWORD high = d.RangeHigh();
        Mouse(d, WM_LBUTTONDOWN, left + 2 + d.Graph()->LowMarkerX() + 8, g.bottom + 30);
        Mouse(d, WM_MOUSEMOVE, left, y);
        Mouse(d, WM_LBUTTONUP, left, y);
        EXPECT_EQ(d.RangeLow(), low);
        EXPECT_EQ(d.RangeHigh(), high);
        d.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(m_stage.Tally().GetRangeLow(), dialog.RangeLow());
    EXPECT_EQ(m_stage.Tally().GetRangeHigh(), dialog.RangeHigh());
}

TEST_F(MaskDialogTest, TypedRangeEndsAreClampedAndAStoredRangeSurvivesNormalMode)
{
    m_stage.Tally().SetRange(2, 5);
    // Normal mode: OK leaves the stored range alone.
    CDlgMaskThumbnailWindow normal(&m_stage);
    RunModalScript<CDlgMaskThumbnailWindow>(
        normal, [](CDlgMaskThumbnailWindow& d) { d.SendMessage(WM_COMMAND, IDOK); });
    EXPECT_EQ(m_stage.Tally().GetRangeLow(), 2u);
    EXPECT_EQ(m_stage.Tally().GetRangeHigh(), 5u);

    AppSettings.IsTMIExtMode = 1;
    CDlgMaskThumbnailWindow dialog(&m_stage);
    RunModalScript<CDlgMaskThumbnailWindow>(dialog, [&](CDlgMaskThumbnailWindow& d) {
        ASSERT_TRUE(PumpUntil([&] { return d.Graph() && d.RangeHigh() == 5; }));
        EXPECT_EQ(d.RangeLow(), 2u);  // the stored range is kept
        d.SetDlgItemText(IDC_MASK_LOW, QStringLiteral("0"));
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MASK_LOW, EN_KILLFOCUS));
        EXPECT_EQ(d.RangeLow(), 1u);  // clamped to the minimum
        d.SetDlgItemText(IDC_MASK_HIGH, QStringLiteral("abc"));
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MASK_HIGH, EN_KILLFOCUS));
        EXPECT_EQ(d.RangeHigh(), 5u);
        d.SetDlgItemText(IDC_MASK_LOW, QStringLiteral("9"));  // above the high end: swapped
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MASK_LOW, EN_KILLFOCUS));
        EXPECT_EQ(d.RangeLow(), 5u);
        EXPECT_EQ(d.RangeHigh(), 6u);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MASK_RANGE_RESET, BN_CLICKED));
        EXPECT_EQ(d.RangeLow(), 1u);
        EXPECT_EQ(d.RangeHigh(), 6u);
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    EXPECT_EQ(m_stage.Tally().GetRangeLow(), 2u);  // Cancel writes nothing
}

}  // namespace
