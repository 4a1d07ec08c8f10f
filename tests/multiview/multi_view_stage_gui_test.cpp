// The multi-view stage with a fake panel and a decoder of controllable
// speed: the order of loading (folder changes while loading, a loader stuck
// past its limit, the loaded window following the page, the visible page
// first), the sort builder's restart, the stop and rename requests, resizes,
// and the canvas compared pixel by pixel.
#include "multiview/multi_view_stage.h"

#include "core/multi_control_messages.h"
#include "core/multi_view_messages.h"
#include "core/panel_messages.h"
#include "core/settings/app_settings.h"
#include "multiview/multi_view_state.h"
#include "multiview/thumb_load_control.h"
#include "multiview/thumb_mask.h"
#include "multiview/thumbnail_loaders.h"
#include "tests/multiview/fake_multi_panel.h"
#include "tests/multiview/fake_thumbnail_decoder.h"
#include "tests/support/pump_until.h"

#include <gtest/gtest.h>
#include <vector>

class CMultiViewStageTestAccess {
public:
    static bool UsesBackBuffer(const CDlgMultiViewStage& s) { return s.m_useBackBuffer; }
    static bool Painting(const CDlgMultiViewStage& s) { return s.m_paintTimer != 0; }
    static CThumbScrollState& Scroll(CDlgMultiViewStage& s) { return s.m_scroll; }
    static void PageChange(CDlgMultiViewStage& s, int n) { s.OnRequestMultiViewPageChange(n); }
};

namespace {

using Access = CMultiViewStageTestAccess;

class MultiViewStageTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        AppSettings.MaxHBitmapNumber = 2000;
        AppSettings.PageChangeRange = 2;
        GetMultiViewState() = MultiViewState{};
        GetMultiViewState().thumbSize = 144;  // 3 x 3 cells on the smallest stage
        ASSERT_TRUE(m_panel.Create());
        m_stage.SetPanelState(&m_panel);
        m_stage.List().SetThumbnailDecoder(m_decoder.Decoder());
        m_stage.List().SetAvailableMemoryMB([] { return DWORD{100000}; });
        ASSERT_TRUE(m_stage.Create(nullptr));
        m_stage.ShowWindow(SW_SHOW);
    }

    void TearDown() override
    {
        m_decoder.OpenGate();
        m_stage.DestroyWindow();
        m_panel.DestroyWindow();
    }

    LRESULT LoadFolder(const QString& folder, LPARAM sortBits = kSortBitDate)
    {
        m_request = folder;
        return m_stage.SendMessage(WM_MULTI_FOLDER_CHANGED, reinterpret_cast<WPARAM>(&m_request), sortBits);
    }
    bool Loaded(int first, int last) const
    {
        for (int p = first; p <= last; ++p) {
            if (!m_stage.List().IsThumbnailLoaded(p))
                return false;
        }
        return true;
    }
    int LoadedCount() const
    {
        int n = 0;
        for (int p = 0; p < m_stage.List().GetFileCount(); ++p)
            n += m_stage.List().IsThumbnailLoaded(p) ? 1 : 0;
        return n;
    }
    bool LoadersIdle() { return !m_stage.Loaders().AnyAlive(); }
    QRgb GridPixel(int x, int y)
    {
        return m_stage.GetDlgItem(IDC_MULTI_GRID)->GetSurface()->pixel(x, y) & 0xFFFFFF;
    }

    QTemporaryDir m_dir;
    FakeThumbnailDecoder m_decoder;
    FakePanel m_panel;
    CDlgMultiViewStage m_stage;
    QString m_request;
};

TEST_F(MultiViewStageTest, AFolderChosenWhileAnotherLoadsStartsAfreshAtPositionZero)
{
    const QString a = MakePictureFolder(m_dir, QStringLiteral("a"), 60);
    const QString b = MakePictureFolder(m_dir, QStringLiteral("b"), 12);
    const QString c = MakePictureFolder(m_dir, QStringLiteral("c"), 8);
    m_decoder.SetDelayMs(3);
    // c's loader is still in its opening handshake with the stage when a
    // comes: the stop's wait serves it instead of waiting out its limit.
    ASSERT_EQ(LoadFolder(c), 1);
    ASSERT_EQ(LoadFolder(a), 1);
    EXPECT_EQ(m_stage.List().GetFolder(), a);
    ASSERT_TRUE(PumpUntil([&] { return m_decoder.Calls() >= 3; }));

    ASSERT_EQ(LoadFolder(b), 1);
    EXPECT_EQ(m_stage.List().GetFolder(), b);
    EXPECT_EQ(m_stage.List().GetFileCount(), 12);
    EXPECT_EQ(GetThumbLoadControl().rangeFirst, 0);
    EXPECT_EQ(GetThumbLoadControl().rangeLast, 11);
    ASSERT_TRUE(PumpUntil([&] { return LoadersIdle() && Loaded(0, 11); }, 10000));
    EXPECT_EQ(m_stage.List().GetLoadState(), kThumbLoadFinished);
    EXPECT_EQ(m_stage.List().GetValidBits(), kSortBitsAll);  // the builder of b ran to its end
    EXPECT_GE(m_panel.Count(WM_MULTICTL_TOTALS), 2);

    // The folder on show, not empty: nothing happens.
    m_panel.received.clear();
    EXPECT_EQ(LoadFolder(b), 0);
    EXPECT_EQ(m_panel.Count(WM_MULTICTL_TOTALS), 0);
}

TEST_F(MultiViewStageTest, NoFolderIsLoadedOrClearedWhileALoaderOutlivesItsLimit)
{
    const QString a = MakePictureFolder(m_dir, QStringLiteral("a"), 20);
    const QString b = MakePictureFolder(m_dir, QStringLiteral("b"), 5);
    m_stage.Loaders().SetStopLimits(30, 30);
    m_decoder.CloseGate();
    ASSERT_EQ(LoadFolder(a), 1);
    ASSERT_TRUE(PumpUntil([&] { return m_decoder.Waiting() == 1; }));

    // The stuck loader works on a's arrays: they stay as they are.
    EXPECT_EQ(LoadFolder(b), 0);
    EXPECT_EQ(m_stage.SendMessage(WM_MULTI_CLEAR), 0);
    EXPECT_EQ(m_stage.List().GetFolder(), a);
    EXPECT_EQ(m_stage.List().GetFileCount(), 20);

    m_decoder.OpenGate();
    ASSERT_TRUE(PumpUntil([&] { return LoadersIdle(); }, 10000));
    EXPECT_EQ(LoadFolder(b), 1);
    EXPECT_EQ(m_stage.List().GetFileCount(), 5);
    ASSERT_TRUE(PumpUntil([&] { return LoadersIdle() && Loaded(0, 4); }, 10000));
}

TEST_F(MultiViewStageTest, ASortCancelLeftSetDoesNotCancelTheNextBuilder)
{
    const QString a = MakePictureFolder(m_dir, QStringLiteral("a"), 30);
    ASSERT_EQ(LoadFolder(a), 1);
    ASSERT_TRUE(PumpUntil([&] { return LoadersIdle(); }, 10000));
    ASSERT_EQ(m_stage.List().GetValidBits(), kSortBitsAll);

    // A builder that ended just after the flag was set leaves it set.
    m_stage.List().SetValidBits(0);
    m_stage.List().RequestSortCancel();
    m_stage.SendMessage(WM_MULTI_BUILD_SORT_INDEX, kSortBitName, 1);
    ASSERT_TRUE(PumpUntil([&] { return LoadersIdle(); }, 10000));
    EXPECT_EQ(m_stage.List().GetValidBits(), kSortBitsAll);
    EXPECT_FALSE(m_stage.List().IsSortCancelRequested());

    // A request posted just before the wait starts its builder inside the wait.
    m_stage.List().SetValidBits(0);
    m_stage.PostMessage(WM_MULTI_BUILD_SORT_INDEX, kSortBitSize, 0);
    EXPECT_EQ(m_stage.SendMessage(WM_MULTI_WAIT_SORT, 0, 1), 1);
    EXPECT_EQ(m_stage.List().GetValidBits(), kSortBitsAll);
    EXPECT_EQ(m_stage.SendMessage(WM_MULTI_WAIT_SORT, 0, 0), 1);  // none runs: back at once
}

TEST_F(MultiViewStageTest, ChangingTheSortKeyKeepsTheFocusOnItsFile)
{
    const QString a = MakePictureFolder(m_dir, QStringLiteral("a"), 30);
    ASSERT_EQ(LoadFolder(a), 1);
    ASSERT_TRUE(PumpUntil([&] { return LoadersIdle(); }, 10000));
    CThumbnailList& list = m_stage.List();
    struct Step {
        int key;
        int descending;
    };
    const Step steps[] = {
        {kSortByName, 0}, {kSortBySize, 0}, {kSortBySize, 1}, {kSortByName, 1}, {kSortByDate, 0}};
    Access::Scroll(m_stage).SetFocus(7);
    for (const Step& step : steps) {
        const WORD file = list.GetSortIndex(Access::Scroll(m_stage).Focus());
        if (step.descending != list.IsDescending())
            m_stage.SendMessage(WM_MULTI_SORT_ORDER_CHANGED, step.descending);
        else
            m_stage.SendMessage(WM_MULTI_SORT_MODE_CHANGED, step.key, list.GetSortKey());
        EXPECT_EQ(list.GetSortIndex(Access::Scroll(m_stage).Focus()), file)
            << step.key << "/" << step.descending;
    }
}

TEST_F(MultiViewStageTest, PagingWithASmallCapacityReleasesWhatLeftTheLoadedWindow)
{
    AppSettings.MaxHBitmapNumber = 30;
    const QString a = MakePictureFolder(m_dir, QStringLiteral("a"), 100);
    ASSERT_EQ(LoadFolder(a), 1);
    ASSERT_EQ(m_stage.List().GetCapacity(), 30);
    ASSERT_TRUE(PumpUntil([&] { return LoadersIdle() && Loaded(0, 29); }, 10000));
    EXPECT_EQ(LoadedCount(), 30);
    m_panel.displayState = kMultiDisplayFinished;  // as the range loader reported

    // 27 positions on (3 rows a column): the page 27..35 leaves the window 0..29.
    Access::PageChange(m_stage, 27);
    EXPECT_EQ(m_stage.Scroll().First(), 27);
    EXPECT_EQ(m_stage.Scroll().LoadedFirst(), 27);
    EXPECT_EQ(m_stage.Scroll().LoadedLast(), 56);
    EXPECT_FALSE(Loaded(0, 0));
    EXPECT_FALSE(Loaded(26, 26));
    ASSERT_TRUE(PumpUntil([&] { return LoadersIdle() && Loaded(27, 56); }, 10000));
    EXPECT_EQ(LoadedCount(), 30);  // never more than the capacity
    EXPECT_EQ(GetThumbLoadControl().rangeFirst, 27);

    // Another order puts other files into the window: their thumbnails are made anew.
    m_panel.displayState = kMultiDisplayLoading;
    m_stage.SendMessage(WM_MULTI_SORT_MODE_CHANGED, kSortBySize, kSortNone);
    ASSERT_TRUE(PumpUntil([&] { return LoadersIdle(); }, 10000));
    const int first = m_stage.Scroll().LoadedFirst();
    EXPECT_TRUE(Loaded(first, m_stage.Scroll().LoadedLast()));
    EXPECT_EQ(LoadedCount(), 30);
}

TEST_F(MultiViewStageTest, WithFullCapacityTheVisiblePageLoadsFirstThenTheRangeGoesOn)
{
    // 144 to 140 keeps 3 x 3 cells: the size steps on to 136 and the panel hears of it.
    GetMultiViewState().thumbSize = 140;
    m_stage.SendMessage(WM_MULTI_VIEW_MODE_CHANGED, kMultiViewGrid);
    EXPECT_EQ(GetMultiViewState().thumbSize, 136);
    ASSERT_EQ(m_panel.Count(WM_MULTICTL_SET_THUMB_SIZE), 1);
    EXPECT_EQ(m_panel.received.back().wParam, 136u);

    GetMultiViewState().thumbSize = 48;  // 10 x 8 cells
    m_stage.SendMessage(WM_MULTI_VIEW_MODE_CHANGED, kMultiViewGrid);
    ASSERT_EQ(m_stage.Grid().CellCount(), 80);
    const QString a = MakePictureFolder(m_dir, QStringLiteral("a"), 240);
    m_decoder.SetDelayMs(2);
    ASSERT_EQ(LoadFolder(a), 1);
    ASSERT_TRUE(PumpUntil([&] { return m_decoder.Calls() >= 2; }));

    Access::PageChange(m_stage, 80);
    ASSERT_EQ(m_stage.Scroll().First(), 80);
    ASSERT_TRUE(PumpUntil([&] { return Loaded(80, 159); }, 10000));
    // The range loader stood aside: the files after the page wait for it.
    EXPECT_FALSE(Loaded(239, 239));
    ASSERT_TRUE(PumpUntil([&] { return LoadersIdle() && Loaded(0, 239); }, 20000));
    // Its progress bar was not ended by the interruption, only at the end.
    ASSERT_TRUE(PumpUntil([&] { return m_panel.Count(WM_MULTICTL_PROGRESS_STOP) >= 1; }));
    PumpFor(50);
    EXPECT_EQ(m_panel.Count(WM_MULTICTL_PROGRESS_STOP), 1);
    EXPECT_FALSE(GetThumbLoadControl().HasPendingRange());
}

TEST_F(MultiViewStageTest, AResumeLoadsFromTheTopOrAsksThePanelToReload)
{
    // An empty folder leaves nothing to show: the view is cleared.
    QDir(m_dir.path()).mkpath(QStringLiteral("empty"));
    ASSERT_EQ(LoadFolder(m_dir.path() + QStringLiteral("/empty")), 1);
    ASSERT_TRUE(PumpUntil([&] { return m_panel.displayState == kMultiDisplayStopped; }));
    m_panel.displayState = kMultiDisplayLoading;
    m_stage.SendMessage(WM_MULTI_PAUSE_LOAD, kMultiLoadResume, 0);
    ASSERT_TRUE(PumpUntil([&] { return m_panel.Count(WM_MULTICTL_RELOAD) == 1; }));

    const QString a = MakePictureFolder(m_dir, QStringLiteral("a"), 30);
    m_decoder.SetDelayMs(3);
    ASSERT_EQ(LoadFolder(a), 1);
    ASSERT_TRUE(PumpUntil([&] { return m_decoder.Calls() >= 2; }));
    m_stage.SendMessage(WM_MULTI_PAUSE_LOAD, kMultiLoadStop, 0);
    EXPECT_EQ(m_stage.List().GetLoadState(), kThumbLoadStopped);
    EXPECT_FALSE(Loaded(0, 29));
    Access::PageChange(m_stage, 9);

    m_decoder.SetDelayMs(0);
    m_stage.SendMessage(WM_MULTI_PAUSE_LOAD, kMultiLoadResume, 0);
    EXPECT_EQ(m_stage.Scroll().First(), 0);
    ASSERT_TRUE(PumpUntil([&] { return LoadersIdle() && Loaded(0, 29); }, 10000));
    EXPECT_EQ(m_panel.Count(WM_MULTICTL_RELOAD), 1);
}

TEST_F(MultiViewStageTest, StopLoadStopsARunningLoaderWhateverThePanelShows)
{
    EXPECT_EQ(m_stage.SendMessage(WM_MULTI_STOP_LOAD), 0);
    EXPECT_EQ(m_panel.displayState, kMultiDisplayLoading);

    const QString a = MakePictureFolder(m_dir, QStringLiteral("a"), 40);
    m_decoder.SetDelayMs(5);
    ASSERT_EQ(LoadFolder(a), 1);
    ASSERT_TRUE(PumpUntil([&] { return m_decoder.Calls() >= 1; }));
    // Right after a page change the panel has not yet been told of the load.
    m_panel.displayState = kMultiDisplayFinished;
    EXPECT_EQ(m_stage.SendMessage(WM_MULTI_STOP_LOAD), 1);
    EXPECT_FALSE(m_stage.Loaders().IsRunning(CThumbnailLoaders::kRangeLoader));
    EXPECT_EQ(m_stage.List().GetLoadState(), kThumbLoadStopped);
    EXPECT_EQ(m_panel.displayState, kMultiDisplayStopped);
}

TEST_F(MultiViewStageTest, ARenameOfAFileIndexPastTheListIsIgnored)
{
    const QString a = MakePictureFolder(m_dir, QStringLiteral("a"), 3);
    ASSERT_EQ(LoadFolder(a), 1);
    const QString name = QStringLiteral("new.png");
    EXPECT_EQ(m_stage.SendMessage(WM_MULTI_SET_FILE_NAME, 3, reinterpret_cast<LPARAM>(&name)), 0);
    EXPECT_EQ(m_stage.SendMessage(WM_MULTI_SET_FILE_NAME, 2, reinterpret_cast<LPARAM>(&name)), 1);
    EXPECT_EQ(m_stage.List().GetFileName(2), name);
}

TEST_F(MultiViewStageTest, AMoveKeepsThePageAndTheSizeStaysAtLeastTheSmallest)
{
    const QString a = MakePictureFolder(m_dir, QStringLiteral("a"), 50);
    ASSERT_EQ(LoadFolder(a), 1);
    ASSERT_TRUE(PumpUntil([&] { return LoadersIdle(); }, 10000));
    Access::PageChange(m_stage, 9);
    ASSERT_EQ(m_stage.Scroll().First(), 9);

    m_stage.SendMessage(WM_REPOSITION_PANEL);
    RECT r{};
    m_stage.GetWindowRect(&r);
    m_stage.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(r.right - r.left, r.bottom - r.top));
    EXPECT_EQ(m_stage.Scroll().First(), 9);

    m_stage.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
    m_stage.GetWindowRect(&r);
    EXPECT_EQ(r.right - r.left, kMultiStageMinWidth);
    EXPECT_EQ(r.bottom - r.top, kMultiStageMinHeight);
}

// ----- the canvas -----

TEST_F(MultiViewStageTest, ThePageShowsOutlinedCellsWithTheirThumbnailsAndTheFrames)
{
    const QString a = MakePictureFolder(m_dir, QStringLiteral("a"), 5);
    ASSERT_EQ(LoadFolder(a), 1);
    ASSERT_TRUE(PumpUntil([&] { return LoadersIdle() && Loaded(0, 4); }, 10000));
    m_stage.SendMessage(WM_MULTI_RENDER);
    ASSERT_TRUE(PumpUntil([&] { return !Access::Painting(m_stage); }, 5000));

    const CThumbGridLayout& grid = m_stage.Grid();
    const QRgb cellPen = qRgb(220, 172, 220) & 0xFFFFFF;
    const QRgb white = 0xFFFFFF;
    const QRgb thumbnail = qRgb(200, 0, 0) & 0xFFFFFF;
    const RECT c0 = grid.GetCellRect(0);
    const RECT c5 = grid.GetCellRect(5);                      // past the last file
    EXPECT_EQ(GridPixel(c0.left - 1, c0.top + 20), cellPen);  // just outside the cell
    EXPECT_EQ(GridPixel(c0.right, c0.top + 20), cellPen);
    EXPECT_EQ(GridPixel(c0.left + 20, c0.bottom), cellPen);
    EXPECT_EQ(GridPixel((c0.left + c0.right) / 2, (c0.top + c0.bottom) / 2), thumbnail);
    EXPECT_EQ(GridPixel(c0.left + 2, c0.top + 2), white);  // 160 x 120 fits with bands above and below
    EXPECT_EQ(GridPixel(c5.left - 1, c5.top + 20), white);
    EXPECT_EQ(GridPixel((c5.left + c5.right) / 2, (c5.top + c5.bottom) / 2), white);
    EXPECT_EQ(GridPixel(3, 3), white);

    // The focus at cell 1, file 2 selected.
    m_stage.List().SetSelection(2, 1);
    m_stage.SendMessage(WM_MULTI_REDRAW_FRAMES, 1);
    const RECT c1 = grid.GetCellRect(1);
    const RECT c2 = grid.GetCellRect(2);
    EXPECT_EQ(GridPixel(c1.left - 3, c1.top + 20), qRgb(255, 86, 86) & 0xFFFFFF);
    EXPECT_EQ(GridPixel(c1.right + 2, c1.top + 20), qRgb(255, 86, 86) & 0xFFFFFF);
    EXPECT_EQ(GridPixel(c1.left - 1, c1.top + 20), qRgb(255, 0, 0) & 0xFFFFFF);
    EXPECT_EQ(GridPixel(c2.left - 3, c2.top + 20), qRgb(255, 0, 255) & 0xFFFFFF);
    EXPECT_EQ(GridPixel(c2.left - 1, c2.top + 20), qRgb(255, 0, 255) & 0xFFFFFF);
    EXPECT_EQ(GridPixel(c0.left - 3, c0.top + 20), white);

    // The scroll row: one page shows every file, so the thumb fills the row.
    const QImage* row = m_stage.GetDlgItem(IDC_MULTI_SCROLL_ROW)->GetSurface();
    const int middle = row->height() / 2;
    EXPECT_EQ(row->pixel(1, middle) & 0xFFFFFF, white);  // the thumb's white edge
    EXPECT_EQ(row->pixel(3, middle) & 0xFFFFFF, qRgb(128, 128, 128) & 0xFFFFFF);
    EXPECT_EQ(row->pixel(row->width() / 2, middle) & 0xFFFFFF, white);  // the arrow

    // A larger stage lays out anew and paints the page again.
    m_stage.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(800, 600));
    ASSERT_TRUE(PumpUntil([&] { return !Access::Painting(m_stage); }, 5000));
    PumpFor(50);
    const RECT big = grid.GetCellRect(0);
    EXPECT_EQ(grid.Columns(), 5);
    EXPECT_EQ(GridPixel((big.left + big.right) / 2, (big.top + big.bottom) / 2), thumbnail);
    EXPECT_EQ(GridPixel(big.left - 1, big.top + 20), cellPen);

    // An empty view is grey inside its 2-pixel border.
    m_stage.SendMessage(WM_MULTI_CLEAR);
    EXPECT_EQ(GridPixel(3, 3), qRgb(230, 230, 230) & 0xFFFFFF);
    EXPECT_EQ(GridPixel((c0.left + c0.right) / 2, (c0.top + c0.bottom) / 2), qRgb(230, 230, 230) & 0xFFFFFF);
    EXPECT_EQ(row->pixel(3, middle) & 0xFFFFFF, qRgb(192, 192, 192) & 0xFFFFFF);
}

TEST_F(MultiViewStageTest, APageMostlyWithoutThumbnailsIsDrawnStraightToTheGrid)
{
    const QString a = MakePictureFolder(m_dir, QStringLiteral("a"), 20);
    m_decoder.CloseGate();
    ASSERT_EQ(LoadFolder(a), 1);
    EXPECT_FALSE(Access::UsesBackBuffer(m_stage));
    m_decoder.OpenGate();
    ASSERT_TRUE(PumpUntil([&] { return LoadersIdle(); }, 10000));
    m_stage.List().SetLoadState(kThumbLoadRunning);  // all there while still loading
    m_stage.SendMessage(WM_MULTI_RENDER);
    EXPECT_TRUE(Access::UsesBackBuffer(m_stage));
    m_stage.List().SetLoadState(kThumbLoadFinished);
}

TEST_F(MultiViewStageTest, PreviewShowsTheStripUnderThePictureOfTheFocus)
{
    const QString a = MakePictureFolder(m_dir, QStringLiteral("a"), 6);
    ASSERT_EQ(LoadFolder(a), 1);
    ASSERT_TRUE(PumpUntil([&] { return LoadersIdle() && Loaded(0, 5); }, 10000));
    m_stage.SendMessage(WM_MULTI_VIEW_MODE_CHANGED, kMultiViewPreview);
    EXPECT_EQ(m_stage.ViewMode(), kMultiViewPreview);
    m_stage.SendMessage(WM_MULTI_SET_PREVIEW_ITEM, 1);
    ASSERT_TRUE(PumpUntil([&] { return !Access::Painting(m_stage); }, 5000));
    EXPECT_EQ(m_stage.Scroll().Focus(), 1);

    const RECT picture = m_stage.Grid().PictureRect();
    const RECT strip0 = m_stage.Grid().GetCellRect(0);
    EXPECT_EQ(picture.bottom, strip0.top - 10);
    // The files are not readable pictures: the preview falls back to the thumbnail.
    EXPECT_EQ(GridPixel((picture.left + picture.right) / 2, (picture.top + picture.bottom) / 2),
        qRgb(200, 0, 0) & 0xFFFFFF);
    EXPECT_EQ(GridPixel((strip0.left + strip0.right) / 2, (strip0.top + strip0.bottom) / 2),
        qRgb(200, 0, 0) & 0xFFFFFF);
}

TEST_F(MultiViewStageTest, MaskedFilesKeepTheirCellsDrawnAsThePlaceholder)
{
    const QString a = MakePictureFolder(m_dir, QStringLiteral("a"), 3);
    ASSERT_EQ(LoadFolder(a), 1);
    ASSERT_TRUE(PumpUntil([&] { return LoadersIdle() && Loaded(0, 2); }, 10000));
    ASSERT_TRUE(PumpUntil([&] { return m_stage.Mask().GetStatus() == CThumbMask::kDone; }, 10000));
    std::vector<MaskDateEntry> days = m_stage.Mask().GetDays();
    ASSERT_EQ(days.size(), 1u);  // the files share the day they were written
    days[0].masked = 1;
    m_stage.Mask().ApplyMaskedDays(days);
    m_stage.Mask().UpdateSingleDate();
    m_stage.SendMessage(WM_MULTI_APPLY_MASKS);
    m_stage.SendMessage(WM_MULTI_RENDER);
    ASSERT_TRUE(PumpUntil([&] { return !Access::Painting(m_stage); }, 5000));

    // Every cell still stands, and shows the grey placeholder with its dark
    // marks where the red thumbnail was.
    for (int cell = 0; cell < 3; ++cell) {
        const RECT r = m_stage.Grid().GetCellRect(cell);
        int grey = 0;
        int dark = 0;
        int total = 0;
        const int edge = std::min<int>(kPlaceholderEdge, std::min(r.right - r.left, r.bottom - r.top));
        const int left = (r.left + r.right - edge) / 2;
        const int top = (r.top + r.bottom - edge) / 2;
        for (int y = top + 2; y < top + edge - 2; ++y) {
            for (int x = left + 2; x < left + edge - 2; ++x) {
                const QRgb p = GridPixel(x, y);
                grey += qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
                dark += qRed(p) < 100 && qRed(p) == qBlue(p);
                ++total;
            }
        }
        EXPECT_EQ(grey, total) << cell;
        EXPECT_GT(dark, 0) << cell;
    }
}

}  // namespace
