// The view stage's image edits on a stand-in stage: every edit reaches undo
// copy 1 and the display bitmap alike, failures leave the picture as it was
// with their message, and colour adjustment starts from the unadjusted picture.
#include "clip/color_adjust.h"
#include "clip/image_transforms.h"
#include "clip/stage_edit_host.h"
#include "clip/stage_image_editor.h"
#include "imaging/dib_accessor.h"
#include "imaging/dib_helpers.h"
#include "imaging/load_bitmap_dup_mem.h"
#include "platform/gdi/gdi.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/scripted_dialogs.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

class FakeEditHost : public StageEditHost {
public:
    FakeEditHost() : m_dc(CreateCompatibleDC(nullptr)) { }
    ~FakeEditHost() override { DeleteDC(m_dc); }
    HDC DisplayDc() override { return m_dc; }
    RECT ViewRect() const override { return {0, 0, 40, 30}; }
    void Render() override { ++renders; }
    void Relayout() override { ++relayouts; }
    bool ShowsPart() const override { return showsPart; }
    bool OverviewOpen() const override { return overviewOpen; }
    void RefreshOverview() override { ++refreshes; }
    void CloseOverview() override { ++closes; }
    bool PanelReportsTransformed() const override { return transformed; }

    bool showsPart = false;
    bool overviewOpen = false;
    bool transformed = false;
    int renders = 0, relayouts = 0, refreshes = 0, closes = 0;

private:
    HDC m_dc;
};

// A picture as colours, top row first.
struct Picture {
    int w = 0, h = 0;
    std::vector<COLORREF> colors;
    COLORREF At(int x, int y) const { return colors[static_cast<std::size_t>(y) * w + x]; }
    friend bool operator==(const Picture&, const Picture&) = default;
};

Picture PictureOf(int w, int h, const std::function<COLORREF(int, int)>& color)
{
    Picture p{w, h, {}};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            p.colors.push_back(color(x, y));
    }
    return p;
}

struct Stage {
    CLoadBitmapDlg_DupMem holder;
    CDibAccessor accessor;
    CImageTransform transform;
    CColorAdjust adjust;
    FakeEditHost host;
    CStageImageEditor editor{&holder, &accessor, &transform, &adjust, &host};
    int bpp = 0;

    bool Load(int w, int h, int depth)
    {
        bpp = depth;
        return FillPatternHolder(&holder, w, h, depth) && editor.PrepareLoadedImage() == 1;
    }
    Picture Loaded() const
    {
        const int w = holder.dup2Width, h = holder.dup2Height;
        return PictureOf(w, h, [&](int x, int y) { return PatternColor(x, y, w, h, bpp); });
    }
    // What the display bitmap shows.
    Picture Shown() const
    {
        const QImage& image = holder.ddb->image;
        return PictureOf(image.width(), image.height(), [&](int x, int y) {
            const QRgb c = image.pixel(x, y);
            return RGB(qRed(c), qGreen(c), qBlue(c));
        });
    }
    // Undo copy 1, read through the stage's accessor.
    Picture Copy1() const
    {
        return PictureOf(
            accessor.width, accessor.height, [&](int x, int y) { return accessor.GetPixel(x, y); });
    }
};

Picture Mirrored(const Picture& p)
{
    return PictureOf(p.w, p.h, [&](int x, int y) { return p.At(p.w - 1 - x, y); });
}
Picture Flipped(const Picture& p)
{
    return PictureOf(p.w, p.h, [&](int x, int y) { return p.At(x, p.h - 1 - y); });
}
// A quarter turn clockwise.
Picture Turned(const Picture& p)
{
    return PictureOf(p.h, p.w, [&](int x, int y) { return p.At(y, p.h - 1 - x); });
}
Picture Adjusted(const Picture& p, int r, int g, int b)
{
    Picture out = p;
    for (COLORREF& c : out.colors)
        c = RGB(
            AdjustChannel(GetRValue(c), r), AdjustChannel(GetGValue(c), g), AdjustChannel(GetBValue(c), b));
    return out;
}

}  // namespace

TEST(StageImageEditor, PreparingHoldsTheImageInBothCopiesAndTheDisplay)
{
    ImageSettingsScope settings;
    Stage s;
    ASSERT_TRUE(s.Load(3, 2, 24));
    EXPECT_EQ(s.Shown(), s.Loaded());
    EXPECT_EQ(s.Copy1(), s.Loaded());
    EXPECT_EQ(std::memcmp(s.holder.dup2Bits, s.holder.bits, s.holder.PixelBytes()), 0);
    EXPECT_EQ(s.accessor.bits, s.holder.dup1Bits);
    EXPECT_EQ(s.accessor.clipWidth, 40);
    EXPECT_EQ(s.transform.pixels, s.holder.dup1Bits);

    // Nothing to prepare: no view keeps pointing at the released copies.
    s.holder.Free();
    EXPECT_EQ(s.editor.PrepareLoadedImage(), 0);
    EXPECT_EQ(s.accessor.bits, nullptr);
    EXPECT_EQ(s.transform.pixels, nullptr);
    EXPECT_EQ(s.holder.dup1Bits, nullptr);
}

TEST(StageImageEditor, EditsChangeCopy1AndTheDisplayBitmap)
{
    ImageSettingsScope settings;
    struct Edit {
        const char* name;
        LRESULT (CStageImageEditor::*run)();
        Picture (*expected)(const Picture&);
    };
    const Edit edits[] = {{"mirror", &CStageImageEditor::FlipLeftRight, Mirrored},
        {"flip", &CStageImageEditor::FlipTopBottom, Flipped}, {"turn", &CStageImageEditor::Rotate90, Turned}};
    for (int bpp : {8, 24, 32}) {
        for (const Edit& e : edits) {
            ScriptedMessageBoxes boxes;
            Stage s;
            ASSERT_TRUE(s.Load(3, 2, bpp));
            ASSERT_EQ((s.editor.*e.run)(), 1) << e.name;
            const Picture want = e.expected(s.Loaded());
            EXPECT_EQ(s.Copy1(), want) << e.name << " at " << bpp << " bits";
            EXPECT_EQ(s.Shown(), want) << e.name << " at " << bpp << " bits";
            EXPECT_EQ(s.host.renders, 1);
            EXPECT_EQ(s.host.refreshes, 1);
            EXPECT_TRUE(boxes.Texts().isEmpty());
            // Twice more gives the loaded picture back (four turns for the turn).
            const int more = e.run == &CStageImageEditor::Rotate90 ? 3 : 1;
            for (int i = 0; i < more; ++i)
                ASSERT_EQ((s.editor.*e.run)(), 1);
            EXPECT_EQ(s.Shown(), s.Loaded()) << e.name;
        }
    }
}

TEST(StageImageEditor, TurnRelaysOutAndRefreshesOrClosesTheOverview)
{
    ImageSettingsScope settings;
    struct Case {
        bool showsPart, overviewOpen;
        int refreshes, closes;
    };
    for (const Case c : {Case{false, false, 1, 0}, Case{true, true, 1, 0}, Case{false, true, 0, 1}}) {
        Stage s;
        ASSERT_TRUE(s.Load(3, 2, 24));
        s.host.showsPart = c.showsPart;
        s.host.overviewOpen = c.overviewOpen;
        ASSERT_EQ(s.editor.Rotate90(), 1);
        EXPECT_EQ(s.host.relayouts, 1);
        EXPECT_EQ(s.host.refreshes, c.refreshes) << c.showsPart << c.overviewOpen;
        EXPECT_EQ(s.host.closes, c.closes) << c.showsPart << c.overviewOpen;
        EXPECT_EQ(s.holder.infoHeader.biWidth, 2);
        EXPECT_EQ(s.accessor.width, 2);
    }
}

TEST(StageImageEditor, FailedEditLeavesThePictureAndShowsItsMessage)
{
    ImageSettingsScope settings;
    const QString unsupported = QStringLiteral("サポートされていないフォーマットです。");
    const QString noEditMemory = QStringLiteral("編集の為のメモリが確保できませんでした。");
    struct Case {
        const char* name;
        int bpp;
        std::function<void(Stage&)> spoil;
        LRESULT (CStageImageEditor::*run)();
        QString message;
    };
    // A 16-bit picture stands for a depth the edits cannot handle; a
    // transform left without pixels for memory that could not be had.
    const auto detach = [](Stage& s) { s.transform.pixels = nullptr; };
    const Case cases[] = {
        {"flip 16", 16, nullptr, &CStageImageEditor::FlipTopBottom, unsupported},
        {"mirror 16", 16, nullptr, &CStageImageEditor::FlipLeftRight, unsupported},
        {"turn 16", 16, nullptr, &CStageImageEditor::Rotate90, unsupported},
        {"mirror, no pixels", 24, detach, &CStageImageEditor::FlipLeftRight, noEditMemory},
    };
    for (const Case& c : cases) {
        ScriptedMessageBoxes boxes;
        Stage s;
        if (c.bpp == 16) {
            // No pattern exists at 16 bits: the 24-bit one's headers and
            // rows, read as 16-bit pixels.
            ASSERT_TRUE(FillPatternHolder(&s.holder, 3, 2, 24));
            s.holder.infoHeader.biBitCount = 16;
            s.holder.info->bmiHeader.biBitCount = 16;
            ASSERT_EQ(s.editor.PrepareLoadedImage(), 1);
        } else {
            ASSERT_TRUE(s.Load(3, 2, c.bpp));
        }
        if (c.spoil)
            c.spoil(s);
        const Picture shown = s.Shown();
        const std::vector<BYTE> copy1(s.holder.dup1Bits, s.holder.dup1Bits + s.holder.dup1Bytes);
        EXPECT_EQ((s.editor.*c.run)(), 0) << c.name;
        EXPECT_EQ(boxes.Texts(), QStringList{c.message}) << c.name;
        EXPECT_EQ(s.Shown(), shown) << c.name;
        EXPECT_EQ(std::vector<BYTE>(s.holder.dup1Bits, s.holder.dup1Bits + s.holder.dup1Bytes), copy1);
        EXPECT_EQ(s.host.renders + s.host.relayouts + s.host.refreshes, 0) << c.name;
    }
}

TEST(StageImageEditor, DisplayThatCannotBeMadeIsReported)
{
    ImageSettingsScope settings;
    ScriptedMessageBoxes boxes;
    Stage s;
    ASSERT_TRUE(s.Load(3, 2, 24));
    s.holder.dup1Bytes = 4;  // shorter than the rows the bitmap would read
    EXPECT_EQ(s.editor.FixWindow_RenderImage(), 0);
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("メモリの確保に失敗しました。")});
    EXPECT_EQ(s.host.renders, 0);
}

TEST(StageImageEditor, ResetRestoresTheLoadedPictureAfterEdits)
{
    ImageSettingsScope settings;
    Stage s;
    ASSERT_TRUE(s.Load(3, 2, 24));
    const std::vector<BYTE> loaded(s.holder.bits, s.holder.bits + s.holder.PixelBytes());
    ASSERT_EQ(s.editor.FlipLeftRight(), 1);
    ASSERT_EQ(s.editor.Rotate90(), 1);
    s.host.transformed = true;
    s.editor.ContrastBegin();
    s.editor.ContrastSet(40, 7);
    ASSERT_NE(s.Shown(), s.Loaded());
    const int relayouts = s.host.relayouts;

    s.editor.ResetImage();
    EXPECT_EQ(s.Shown(), s.Loaded());
    EXPECT_EQ(s.Copy1(), s.Loaded());
    EXPECT_EQ(std::vector<BYTE>(s.holder.bits, s.holder.bits + s.holder.PixelBytes()), loaded);
    EXPECT_EQ(s.holder.infoHeader.biWidth, 3);
    EXPECT_EQ(s.transform.width, 3);
    EXPECT_EQ(s.transform.ResultCopy(), nullptr);
    EXPECT_EQ(s.adjust.redOffset, 0);
    EXPECT_EQ(s.adjust.Saved(), nullptr);
    EXPECT_EQ(s.host.relayouts, relayouts + 1);
    EXPECT_EQ(s.host.closes, 1);
    // The edits go on from the loaded picture.
    ASSERT_EQ(s.editor.FlipTopBottom(), 1);
    EXPECT_EQ(s.Shown(), Flipped(s.Loaded()));
}

TEST(StageImageEditor, ContrastAppliesFromTheUnadjustedPictureAtBothKindsOfDepth)
{
    ImageSettingsScope settings;
    for (int bpp : {8, 24}) {
        Stage s;
        ASSERT_TRUE(s.Load(3, 2, bpp));
        s.editor.ContrastBegin();
        ASSERT_NE(s.adjust.Saved(), nullptr);
        s.editor.ContrastSet(50, CColorAdjust::kRed);
        EXPECT_EQ(s.Shown(), Adjusted(s.Loaded(), 50, 0, 0)) << bpp;
        EXPECT_EQ(s.Copy1(), Adjusted(s.Loaded(), 50, 0, 0)) << bpp;
        EXPECT_EQ(s.host.refreshes, 1);
        const int renders = s.host.renders;
        s.editor.ContrastSet(50, CColorAdjust::kRed);  // no offset changed
        EXPECT_EQ(s.host.renders, renders);

        // 200 applies 127, to every channel named.
        s.editor.ContrastSet(200, 7);
        EXPECT_EQ(s.adjust.redOffset, 127);
        EXPECT_EQ(s.adjust.blueOffset, 127);
        EXPECT_EQ(s.Shown(), Adjusted(s.Loaded(), 127, 127, 127)) << bpp;
        s.editor.ContrastSet(-20, CColorAdjust::kGreen);
        EXPECT_EQ(s.Shown(), Adjusted(s.Loaded(), 127, -20, 127)) << bpp;

        s.editor.ContrastEnd();
        EXPECT_EQ(s.adjust.Saved(), nullptr);
        // A second session keeps the offsets and adds nothing twice.
        s.editor.ContrastBegin();
        s.editor.ContrastSet(10, CColorAdjust::kRed);
        EXPECT_EQ(s.Shown(), Adjusted(s.Loaded(), 10, -20, 127)) << bpp;
        EXPECT_EQ(s.Copy1(), Adjusted(s.Loaded(), 10, -20, 127)) << bpp;
    }
}

TEST(StageImageEditor, ContrastStartsFromTheTransformedPixelsOnlyWhenTheyAreReported)
{
    ImageSettingsScope settings;
    for (bool reported : {true, false}) {
        Stage s;
        ASSERT_TRUE(s.Load(3, 2, 24));
        ASSERT_EQ(s.editor.FlipLeftRight(), 1);
        s.host.transformed = reported;
        s.editor.ContrastBegin();
        s.editor.ContrastSet(5, 7);
        const Picture base = reported ? Mirrored(s.Loaded()) : s.Loaded();
        EXPECT_EQ(s.Shown(), Adjusted(base, 5, 5, 5)) << reported;
        EXPECT_EQ(s.Copy1(), Adjusted(base, 5, 5, 5)) << reported;
    }
}

TEST(StageImageEditor, ContrastOnATurnedPictureNotReportedTurnsItBack)
{
    ImageSettingsScope settings;
    Stage s;
    ASSERT_TRUE(s.Load(3, 2, 32));
    ASSERT_EQ(s.editor.Rotate90(), 1);
    s.editor.ContrastBegin();
    // Copy 1, the image, the views and the saved copy all take the loaded size.
    EXPECT_EQ(s.holder.infoHeader.biWidth, 3);
    EXPECT_EQ(s.accessor.width, 3);
    EXPECT_EQ(s.transform.width, 3);
    ASSERT_EQ(s.adjust.SavedSize(), std::size_t(s.holder.dup1Bytes));
    EXPECT_EQ(s.Shown(), s.Loaded());
    s.editor.ContrastSet(-30, 7);
    EXPECT_EQ(s.Shown(), Adjusted(s.Loaded(), -30, -30, -30));
}

TEST(StageImageEditor, DepthChangeKeepsTheEditsOnScreen)
{
    ImageSettingsScope settings;
    Stage s;
    ASSERT_TRUE(s.Load(5, 3, 32));
    ASSERT_EQ(s.editor.FlipLeftRight(), 1);
    ASSERT_EQ(ConvertDib32To24(&s.holder), 1);
    ASSERT_EQ(s.editor.AfterDepthChange(), 1);
    EXPECT_EQ(s.accessor.bitCount, 24);
    EXPECT_EQ(s.accessor.rowSize, GetDibStride(24, 5));
    EXPECT_EQ(s.Copy1(), Mirrored(s.Loaded()));
    EXPECT_EQ(s.Shown(), Mirrored(s.Loaded()));
    // The views work on the 24-bit rows: a flip and a reset after it.
    ASSERT_EQ(s.editor.FlipTopBottom(), 1);
    EXPECT_EQ(s.Shown(), Flipped(Mirrored(s.Loaded())));
    s.editor.ResetImage();
    EXPECT_EQ(s.Shown(), s.Loaded());
}

TEST(StageImageEditor, DepthChangeKeepsAnOpenColourAdjustment)
{
    ImageSettingsScope settings;
    Stage s;
    ASSERT_TRUE(s.Load(5, 3, 32));
    s.editor.ContrastBegin();
    s.editor.ContrastSet(20, 7);
    ASSERT_EQ(ConvertDib32To24(&s.holder), 1);
    ASSERT_EQ(s.editor.AfterDepthChange(), 1);
    EXPECT_EQ(s.Shown(), Adjusted(s.Loaded(), 20, 20, 20));
    s.editor.ContrastSet(-10, 7);
    EXPECT_EQ(s.Shown(), Adjusted(s.Loaded(), -10, -10, -10));
    EXPECT_EQ(s.Copy1(), Adjusted(s.Loaded(), -10, -10, -10));
}

TEST(StageImageEditor, ClearedStageHasNothingToEdit)
{
    ImageSettingsScope settings;
    ScriptedMessageBoxes boxes;
    Stage s;
    ASSERT_TRUE(s.Load(3, 2, 24));
    ASSERT_EQ(s.editor.FlipLeftRight(), 1);
    s.editor.ContrastBegin();
    s.editor.Clear();
    s.holder.Free();
    s.holder.FreeDuplicates();
    EXPECT_EQ(s.accessor.bits, nullptr);
    EXPECT_EQ(s.transform.ResultCopy(), nullptr);
    EXPECT_EQ(s.adjust.Saved(), nullptr);
    EXPECT_EQ(s.editor.FlipTopBottom(), 0);
    EXPECT_EQ(s.editor.Rotate90(), 0);
    s.editor.ResetImage();
    s.editor.ContrastBegin();
    s.editor.ContrastSet(9, 7);
    EXPECT_TRUE(boxes.Texts().isEmpty());
    EXPECT_EQ(s.adjust.Saved(), nullptr);
}

TEST(StageImageEditor, ContrastWithoutMemoryShowsItsMessageAndChangesNothing)
{
    ImageSettingsScope settings;
    struct Case {
        const char* name;
        std::function<void(Stage&)> spoil;  // before begin, between begin and set
        bool beforeBegin;
        QString message;
    };
    // An accessor without a picture stands for a saved copy that could not
    // be had, a transform without pixels for an edit copy that is missing.
    const Case cases[] = {
        {"saved copy", [](Stage& s) { s.accessor.Reset(); }, true,
            QStringLiteral("コントラスト用のメモリを確保する事が出来ませんでした。")},
        {"edit copy", [](Stage& s) { s.transform.pixels = nullptr; }, false,
            QStringLiteral("コントスト: メモリの確保に失敗しました。")},
    };
    for (const Case& c : cases) {
        ScriptedMessageBoxes boxes;
        Stage s;
        ASSERT_TRUE(s.Load(3, 2, 24));
        if (c.beforeBegin)
            c.spoil(s);
        s.editor.ContrastBegin();
        if (!c.beforeBegin)
            c.spoil(s);
        const int renders = s.host.renders;
        s.editor.ContrastSet(30, 7);
        EXPECT_EQ(boxes.Texts(), QStringList{c.message}) << c.name;
        EXPECT_EQ(s.Shown(), s.Loaded()) << c.name;
        EXPECT_EQ(s.host.renders, renders) << c.name;
    }
}
