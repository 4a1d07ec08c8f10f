// Scroll capture against a synthetic browser page: the stitched image is the
// page row for row between the toolbar and the status bar, and the stops
// (height, memory, jumps) and failures give their codes.
#include "clip/scroll_capture.h"
#include "clip/scroll_capture_searches.h"
#include "imaging/load_bitmap.h"
#include "tests/clip/scroll_capture_fake_page.h"
#include "tests/support/dib_pixels.h"
#include "tests/support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace {

COLORREF AsColorRef(Bgr p)
{
    return RGB(p.r, p.g, p.b);
}

int HolderHeight(const CLoadBitmap& holder)
{
    return std::abs(holder.infoHeader.biHeight);
}

// The first image row (from `top`) whose middle columns are not page row
// `firstPageRow` + its distance from top; -1 when all rows up to `end` are.
int FirstRowOffPage(
    const CLoadBitmap& holder, const FakeBrowserPage& page, int top, int end, int firstPageRow)
{
    const int columns[] = {
        page.ContentLeft(), (page.ContentLeft() + page.ContentRight()) / 2, page.ContentRight() - 1};
    for (int y = top; y < end; ++y)
        for (int x : columns)
            if (HolderPixel(holder, x, y) != AsColorRef(PagePixel(x, firstPageRow + y - top)))
                return y;
    return -1;
}

class ScrollCaptureRunTest : public testing::Test {
protected:
    BYTE Capture(FakeBrowserPage& page, const ScrollCaptureSettings& s)
    {
        const BYTE code = RunScrollCapture(reinterpret_cast<HWND>(0x42), &m_holder, 1, page, s);
        EXPECT_FALSE(page.confined) << "the cursor is released on every path";
        return code;
    }
    CLoadBitmap m_holder;
};

TEST_F(ScrollCaptureRunTest, StitchedImageIsThePageRowForRowWithTheFixedPartsOnce)
{
    FakeBrowserPage page(FakePageShape{});
    const FakePageShape& shape = page.Shape();
    const ScrollCaptureSettings s = FakePageSettings(shape);
    g_rcScrollArea = RECT{};
    ASSERT_EQ(Capture(page, s), kScrollPageEnded);

    // The layout found from the first notch, as the scrolled area.
    const int height = shape.toolbarRows + shape.pageRows + shape.statusRows;
    ASSERT_EQ(m_holder.infoHeader.biWidth, shape.width);
    ASSERT_EQ(HolderHeight(m_holder), height);
    EXPECT_EQ(g_rcScrollArea.left, shape.border);
    EXPECT_EQ(g_rcScrollArea.top, shape.toolbarRows);
    EXPECT_EQ(g_rcScrollArea.right, page.ContentRight());
    EXPECT_EQ(g_rcScrollArea.bottom, height - shape.statusRows);

    EXPECT_EQ(FirstRowOffPage(m_holder, page, shape.toolbarRows, height - shape.statusRows, 0), -1);
    for (int y = 0; y < shape.toolbarRows; ++y)
        ASSERT_EQ(HolderPixel(m_holder, 200, y), AsColorRef(ToolbarPixel(200, y))) << y;
    for (int y = 0; y < shape.statusRows; ++y)
        for (int x : {0, 200, shape.width - 1})
            ASSERT_EQ(HolderPixel(m_holder, x, height - shape.statusRows + y), AsColorRef(StatusPixel(x, y)))
                << y;
    // The left border runs down the whole page.
    for (int y = shape.toolbarRows; y < height - shape.statusRows; ++y)
        ASSERT_EQ(HolderPixel(m_holder, 0, y), AsColorRef(kBorder)) << y;

    // The notches went over the scroll bar, five sixths down, with the cursor held there.
    ASSERT_FALSE(page.notchPoints.empty());
    const POINT p = page.notchPoints.front();
    EXPECT_EQ(p.x, shape.at.left + shape.width - (shape.scrollBar + shape.border) / 2);
    EXPECT_EQ(p.y, shape.at.top + shape.height / 6 * 5);
    // One notch, then ten a step (37 rows a notch in 600 rows).
    EXPECT_EQ((page.notchPoints.size() - 1) % 10, 0u);
}

TEST_F(ScrollCaptureRunTest, SingleScreenResultsKeepTheFirstScreenAndItsArea)
{
    struct Case {
        const char* name;
        int pageRows;
        int toolbarRows;
        RECT area;  // for a 400 x 600 window
    };
    const Case cases[] = {
        // The page fits: the first notch moves nothing, no row differs and
        // the scrolled area is empty (its users then take the whole image).
        {"page fits", 300, 60, RECT{0, 600, 400, 600}},
        // Toolbars over half the window: only the top rows are known.
        {"toolbars over half", 1500, 320, RECT{0, 320, 400, 600}},
    };
    for (const Case& c : cases) {
        FakePageShape shape;
        shape.pageRows = c.pageRows;
        shape.toolbarRows = c.toolbarRows;
        FakeBrowserPage page(shape);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Capture(page, FakePageSettings(shape)), kScrollSingleScreen);
        EXPECT_EQ(HolderHeight(m_holder), shape.height);
        EXPECT_EQ(HolderPixel(m_holder, 200, 10), AsColorRef(ToolbarPixel(200, 10)));
        EXPECT_EQ(g_rcScrollArea.left, c.area.left);
        EXPECT_EQ(g_rcScrollArea.top, c.area.top);
        EXPECT_EQ(g_rcScrollArea.right, c.area.right);
        EXPECT_EQ(g_rcScrollArea.bottom, c.area.bottom);
        EXPECT_EQ(ShowScrollCaptureResult(kScrollSingleScreen), 1);
    }
}

TEST_F(ScrollCaptureRunTest, FailuresLeaveTheHolderAlone)
{
    struct Case {
        const char* name;
        std::function<void(FakePageShape&)> shape;
        std::function<void(FakeBrowserPage&)> page;
        BYTE code;
    };
    const auto same = [](FakePageShape&) {};
    const auto plain = [](FakeBrowserPage&) {};
    const Case cases[] = {
        {"no window rectangle", same, [](FakeBrowserPage& p) { p.noRect = true; }, kScrollNoWindowRect},
        {"first grab", same, [](FakeBrowserPage& p) { p.failGrabNumber = 1; }, kScrollGrabFailed},
        {"no clipboard bitmap in the loop", same,
            [](FakeBrowserPage& p) {
                p.failGrabNumber = 3;
                p.failGrabCode = kScrollNoClipboardBitmap;
            },
            kScrollNoClipboardBitmap},
        {"growth without memory", same, [](FakeBrowserPage& p) { p.allocationLimit = 1000; },
            kScrollNoMemory},
        {"ten rows a notch are too few", [](FakePageShape& s) { s.notchRows = {10}; }, plain,
            kScrollTooLittleMovement},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakePageShape shape;
        c.shape(shape);
        FakeBrowserPage page(shape);
        c.page(page);
        m_holder.Free();
        ScriptedMessageBoxes boxes;
        EXPECT_EQ(Capture(page, FakePageSettings(shape)), c.code);
        EXPECT_FALSE(m_holder.IsLoaded());
        EXPECT_EQ(ShowScrollCaptureResult(c.code), 0);
    }
}

TEST_F(ScrollCaptureRunTest, HeightStopKeepsThePageSoFarAndNeverPassesTheLimit)
{
    FakePageShape shape;
    shape.pageRows = 4000;
    shape.notchRows = {40, 20, 45};  // uneven steps: a step may be longer than the one before
    for (int limit = 700; limit <= 2400; limit += 113) {
        SCOPED_TRACE(limit);
        FakeBrowserPage page(shape);
        ScrollCaptureSettings s = FakePageSettings(shape);
        s.maxSaveSizeHeight = limit;
        const BYTE code = Capture(page, s);
        EXPECT_TRUE(code == kScrollTooTall || code == kScrollPageJumps) << int(code);
        const int height = HolderHeight(m_holder);
        EXPECT_LE(height, limit);
        EXPECT_EQ(FirstRowOffPage(m_holder, page, shape.toolbarRows, height - shape.statusRows, 0), -1);
        EXPECT_EQ(HolderPixel(m_holder, 7, height - 1), AsColorRef(StatusPixel(7, shape.statusRows - 1)));
    }
}

TEST_F(ScrollCaptureRunTest, UnevenStepsAreReportedAsJumpsWithTheImageKept)
{
    FakePageShape shape;
    shape.pageRows = 4000;
    shape.notchRows = {40, 20, 45};
    FakeBrowserPage page(shape);
    ScriptedMessageBoxes boxes;
    ASSERT_EQ(Capture(page, FakePageSettings(shape)), kScrollPageJumps);
    const int height = HolderHeight(m_holder);
    EXPECT_EQ(height, shape.toolbarRows + shape.pageRows + shape.statusRows);
    EXPECT_EQ(FirstRowOffPage(m_holder, page, shape.toolbarRows, height - shape.statusRows, 0), -1);
    EXPECT_EQ(ShowScrollCaptureResult(kScrollPageJumps), 1);
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("ページ境界の認識に失敗した可能性があります。")});
}

TEST_F(ScrollCaptureRunTest, MemoryStopComparesBytesAlsoForImagesUnderOneMegabyte)
{
    // 300 pixels wide, the image after the first step (1007 rows) takes
    // 906300 bytes, under one megabyte; with 3 MB left that is less than 4.1 times it.
    FakePageShape shape;
    shape.width = 300;
    FakeBrowserPage page(shape);
    page.availableMemory = 3u << 20;
    ASSERT_EQ(Capture(page, FakePageSettings(shape)), kScrollLowMemory);
    const int height = HolderHeight(m_holder);
    EXPECT_EQ(height, shape.height + 37 + 10 * 37);
    EXPECT_EQ(FirstRowOffPage(m_holder, page, shape.toolbarRows, height - shape.statusRows, 0), -1);

    // Plenty of memory: no stop.
    FakeBrowserPage roomy(shape);
    roomy.availableMemory = 64u << 20;
    EXPECT_EQ(Capture(roomy, FakePageSettings(shape)), kScrollPageEnded);
}

TEST_F(ScrollCaptureRunTest, OnlyTheScrolledAreaWithBehaviour2AndTheWholeImageWhenItCannotBeCut)
{
    FakePageShape shape;
    ScrollCaptureSettings s = FakePageSettings(shape);
    s.afterScrollBehave = 2;
    FakeBrowserPage page(shape);
    ASSERT_EQ(Capture(page, s), kScrollPageEnded);
    ASSERT_EQ(m_holder.infoHeader.biWidth, page.ContentRight() - page.ContentLeft());
    ASSERT_EQ(HolderHeight(m_holder), shape.pageRows);
    for (int y = 0; y < shape.pageRows; ++y)
        ASSERT_EQ(HolderPixel(m_holder, 0, y), AsColorRef(PagePixel(shape.border, y))) << y;

    // The cut needs a second image's memory: refused, the whole image is handed over with its own code.
    FakeBrowserPage tight(shape);
    tight.allocationLimit = 1u << 20;
    ASSERT_EQ(Capture(tight, s), kScrollPageEnded);
    EXPECT_EQ(m_holder.infoHeader.biWidth, shape.width);
    EXPECT_EQ(HolderHeight(m_holder), shape.toolbarRows + shape.pageRows + shape.statusRows);
}

TEST(ScrollCaptureFigures, SettleWaitAndNotchCount)
{
    EXPECT_EQ(ScrollSettleWaitMs(50), 150);
    EXPECT_EQ(ScrollSettleWaitMs(5), 50);
    EXPECT_EQ(ScrollSettleWaitMs(10), 100);
    EXPECT_EQ(ScrollSettleWaitMs(80), 160);
    EXPECT_EQ(ScrollSettleWaitMs(200), 300);
    EXPECT_EQ(ScrollSettleWaitMs(101), 151);
    EXPECT_EQ(ScrollNotchCount(67, 800, 100, 50), 5);
    EXPECT_EQ(ScrollNotchCount(67, 800, 100, 350), 2);
    EXPECT_EQ(ScrollNotchCount(67, 800, 0, 50), 0);
}

// Two screens of one row pattern; B's first row differs from A's row 100 in `bytes` bytes.
TEST(ScrollCaptureSearches, OverlapToleratesTheAmbiguousBytesOfASpan)
{
    ScrollCaptureSettings s;
    s.matchLineNum = 50;
    ScrollRows a, b;
    ASSERT_TRUE(a.Resize(900, 200));
    ASSERT_TRUE(b.Resize(900, 200));
    for (int y = 0; y < 200; ++y)
        for (std::size_t i = 0; i < a.Stride(); ++i)
            a.Row(y)[i] = static_cast<std::uint8_t>(y * 7 + i);
    for (int y = 0; y < 100; ++y)
        std::copy(a.Row(y + 100), a.Row(y + 100) + a.Stride(), b.Row(y));
    for (int y = 100; y < 200; ++y)
        std::fill(b.Row(y), b.Row(y) + b.Stride(), 0);
    const ScrollCaptureLayout layout{};
    struct Case {
        int level;
        int differing;
        int code;
    };
    for (const Case c :
        {Case{0, 0, 1}, Case{0, 1, kScrollNoOverlap}, Case{3, 27, 1}, Case{3, 28, kScrollNoOverlap}}) {
        ScrollRows changed = b;
        for (int i = 0; i < c.differing; ++i)
            changed.Row(0)[i * 50] ^= 0xFF;
        s.ambiguousLeve = c.level;
        int overlap = -1;
        EXPECT_EQ(SearchOverlap(a, changed, 0, layout, s, &overlap), c.code) << c.level << " " << c.differing;
        EXPECT_EQ(overlap, c.code == 1 ? 100 : 150);
    }
}

TEST(ScrollCaptureResults, MessagesAndKeptImages)
{
    struct Case {
        BYTE code;
        const char* text;
        int kept;
    };
    const Case cases[] = {
        {0, "", 0},
        {1, "", 1},
        {2, "", 1},
        {3, "", 1},
        {11, "キャプチャするウィンドウの取得に失敗しました。", 0},
        {12, "実行する為のメモリが足りなくなりました。", 0},
        {13, "スクリーンのキャプチャに失敗しました。", 0},
        {14, "PrintScreen でのキャプチャに失敗しました。\n\niniファイルの \"KeyPushWait\" を変更して下さい。",
            0},
        {15, "スクロールキャプチャに失敗しました。", 0},
        {16, "Kestrelが扱える画像サイズを超えてしまうので途中終了しました。", 1},
        {17, "メモリ不足の懸念があるので途中終了しました。", 1},
        {18, "このバージョンのIEは未対応です。", 0},
        {31, "スクロールキャプチャの情報収集に失敗しました(No.01)", 0},
        {32, "スクロールキャプチャの情報収集に失敗しました(No.02)", 0},
        {50, "ScrollCapture : Internal Error??", 0},
        {51, "メモリの確保に失敗しました。", 0},
        {52, "これ以上スクロール出来ませんでした。", 1},
        {53, "ページ境界の認識に失敗した可能性があります。", 1},
    };
    for (const Case& c : cases) {
        ScriptedMessageBoxes boxes;
        EXPECT_EQ(ShowScrollCaptureResult(c.code), c.kept) << int(c.code);
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(boxes.Texts(), text.isEmpty() ? QStringList{} : QStringList{text}) << int(c.code);
    }
}

}  // namespace
