// Mirror, flip and quarter turn at 8, 24 and 32 bits with padded rows, each
// undone exactly, and rotation failures that leave everything as it was.
#include "clip/image_transforms.h"
#include "imaging/dib_accessor.h"
#include "imaging/dib_helpers.h"
#include "imaging/load_bitmap_dup_mem.h"
#include "tests/clip/attach_accessor.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/scripted_dialogs.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A bottom-up image whose every pixel byte tells its picture position.
struct Picture {
    int w, h, bpp;
    std::vector<BYTE> bytes;

    Picture(int w_, int h_, int bpp_) : w(w_), h(h_), bpp(bpp_), bytes(GetDibStride(bpp_, w_) * h_, 0)
    {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                BYTE* p = At(x, y);
                for (int k = 0; k < bpp / 8; ++k)
                    p[k] = static_cast<BYTE>(1 + x + 16 * y + 64 * k);
            }
        }
    }
    BYTE* At(int x, int y) { return bytes.data() + (h - 1 - y) * GetDibStride(bpp, w) + x * (bpp / 8); }
};

// Pixel (x, y) of bottom-up rows at bpp, picture coordinates.
std::vector<BYTE> PixelOf(const BYTE* rows, int w, int h, int bpp, int x, int y)
{
    const BYTE* p = rows + (h - 1 - y) * GetDibStride(bpp, w) + x * (bpp / 8);
    return std::vector<BYTE>(p, p + bpp / 8);
}

}  // namespace

TEST(ImageTransform, MirrorAndFlipMoveEveryPixelAndUndoThemselves)
{
    for (int bpp : {8, 24, 32}) {
        for (int w : {1, 3, 5}) {
            const int h = 2;
            Picture pic(w, h, bpp);
            const std::vector<BYTE> original = pic.bytes;
            CDibAccessor a;
            AttachTo(a, pic.bytes.data(), w, h, bpp);
            CImageTransform t;
            t.Attach(&a);

            ASSERT_EQ(t.MirrorLeftRight(w, h), CImageTransform::kDone);
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x)
                    EXPECT_EQ(PixelOf(pic.bytes.data(), w, h, bpp, x, y),
                        PixelOf(original.data(), w, h, bpp, w - 1 - x, y));
            }
            ASSERT_EQ(t.ResultCopySize(), pic.bytes.size());
            EXPECT_EQ(std::memcmp(t.ResultCopy(), pic.bytes.data(), pic.bytes.size()), 0);
            ASSERT_EQ(t.MirrorLeftRight(w, h), CImageTransform::kDone);
            EXPECT_EQ(pic.bytes, original) << bpp << " bits, width " << w;

            ASSERT_EQ(t.FlipUpsideDown(w, h), CImageTransform::kDone);
            for (int x = 0; x < w; ++x)
                EXPECT_EQ(PixelOf(pic.bytes.data(), w, h, bpp, x, 0),
                    PixelOf(original.data(), w, h, bpp, x, h - 1));
            ASSERT_EQ(t.FlipUpsideDown(w, h), CImageTransform::kDone);
            EXPECT_EQ(pic.bytes, original);
        }
    }
}

TEST(ImageTransform, RefusalsChangeNothing)
{
    Picture pic(3, 2, 24);
    const std::vector<BYTE> original = pic.bytes;
    CDibAccessor a;
    CImageTransform t;
    AttachTo(a, pic.bytes.data(), 3, 2, 16);
    t.Attach(&a);
    EXPECT_EQ(t.MirrorLeftRight(3, 2), CImageTransform::kUnsupported);
    AttachTo(a, nullptr, 3, 2, 24);
    t.Attach(&a);
    EXPECT_EQ(t.FlipUpsideDown(3, 2), CImageTransform::kNoMemory);
    AttachTo(a, pic.bytes.data(), 3, 2, 24);
    t.Attach(&a);
    EXPECT_EQ(t.MirrorLeftRight(4, 2), CImageTransform::kNoMemory);  // not the image's size
    // Sizes whose padded rows would not fit a 32-bit row size are refused
    // before any pixel is touched.
    const int huge = (1 << 30) + 1;
    AttachTo(a, pic.bytes.data(), huge, 2, 32);
    t.Attach(&a);
    EXPECT_EQ(t.MirrorLeftRight(huge, 2), CImageTransform::kNoMemory);
    struct UnusedHost : CRotationHost {
        BYTE* AllocEditCopy(int, int, std::uint32_t) override
        {
            ADD_FAILURE() << "no edit copy for a refused turn";
            return nullptr;
        }
        int RebuildFromEditCopy() override { return 0; }
        void TakeImage(int) override { }
    } host;
    AttachTo(a, pic.bytes.data(), 3, huge, 32);
    t.Attach(&a);
    EXPECT_EQ(t.RotateRight90(3, huge, &host), 0);
    EXPECT_EQ(pic.bytes, original);
    EXPECT_EQ(t.ResultCopy(), nullptr);
}

namespace {

// The stage's part in a rotation: the view and the transform follow copy 1.
struct StageImage {
    CLoadBitmapDlg_DupMem holder;
    CDibAccessor accessor;
    CImageTransform transform;
    int taken = 0;

    bool Load(int w, int h, int bpp)
    {
        if (!FillPatternHolder(&holder, w, h, bpp) || !holder.AllocDuplicates(holder.PixelBytes(), bpp))
            return false;
        holder.SaveToDup1();
        holder.CopyDup1ToDup2();
        Sync();
        return true;
    }
    void Sync()
    {
        AttachTo(
            accessor, holder.dup1Bits, holder.dup1Width, holder.dup1Height, holder.infoHeader.biBitCount);
        transform.Attach(&accessor);
    }
    std::vector<BYTE> Copy1() const
    {
        return std::vector<BYTE>(holder.dup1Bits, holder.dup1Bits + holder.dup1Bytes);
    }
};

// Refuses the edit copy of one size, or the rebuild of the image.
class RefusingHost : public CHolderRotationHost {
public:
    RefusingHost(StageImage& s, int refusedWidth, bool refuseRebuild)
        : CHolderRotationHost(&s.holder, [&s](int) { s.Sync(); }), m_width(refusedWidth),
          m_rebuild(refuseRebuild)
    {
    }
    BYTE* AllocEditCopy(int w, int h, std::uint32_t bytes) override
    {
        return w == m_width ? nullptr : CHolderRotationHost::AllocEditCopy(w, h, bytes);
    }
    int RebuildFromEditCopy() override { return m_rebuild ? 0 : CHolderRotationHost::RebuildFromEditCopy(); }

private:
    int m_width;
    bool m_rebuild;
};

}  // namespace

TEST(ImageTransform, QuarterTurnIsClockwiseAndFourTurnsRestoreTheImage)
{
    ImageSettingsScope settings;
    for (int bpp : {8, 24, 32}) {
        StageImage s;
        ASSERT_TRUE(s.Load(3, 2, bpp));
        const std::vector<BYTE> before = s.Copy1();
        CHolderRotationHost host(&s.holder, [&s](int rotated) {
            s.taken += rotated;
            s.Sync();
        });
        ASSERT_EQ(s.transform.RotateRight90(3, 2, &host), 1);
        EXPECT_EQ(s.taken, 1);
        EXPECT_EQ(s.transform.width, 2);
        EXPECT_EQ(s.transform.height, 3);
        EXPECT_EQ(s.holder.infoHeader.biWidth, 2);
        EXPECT_EQ(s.holder.infoHeader.biHeight, 3);
        EXPECT_EQ(
            DWORD(s.holder.fileHeader.bfSize - s.holder.fileHeader.bfOffBits), 3 * GetDibStride(bpp, 2));
        // (x', y') of the turned picture is (y', H - 1 - x') of the source.
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 2; ++x)
                EXPECT_EQ(
                    PixelOf(s.holder.dup1Bits, 2, 3, bpp, x, y), PixelOf(before.data(), 3, 2, bpp, y, 1 - x))
                    << bpp << " bits at " << x << "," << y;
        }
        EXPECT_EQ(std::memcmp(s.holder.bits, s.holder.dup1Bits, s.holder.dup1Bytes), 0);
        EXPECT_EQ(s.transform.ResultCopySize(), std::size_t(s.holder.dup1Bytes));
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(s.transform.RotateRight90(s.transform.width, s.transform.height, &host), 1);
        EXPECT_EQ(s.Copy1(), before);
        EXPECT_EQ(s.holder.infoHeader.biWidth, 3);
        s.transform.FreeResultCopy();
        EXPECT_EQ(s.transform.ResultCopy(), nullptr);
    }
}

TEST(ImageTransform, FailedQuarterTurnKeepsSizePixelsAndResultCopy)
{
    ImageSettingsScope settings;
    struct Case {
        bool refuseCopy, refuseRebuild;
    };
    for (const Case c : {Case{true, false}, Case{false, true}}) {
        ScriptedMessageBoxes boxes;
        StageImage s;
        ASSERT_TRUE(s.Load(5, 3, 24));  // 48 bytes; turned it would be 60
        ASSERT_EQ(s.transform.MirrorLeftRight(5, 3), CImageTransform::kDone);
        const std::vector<BYTE> before = s.Copy1();
        const std::vector<BYTE> result(
            s.transform.ResultCopy(), s.transform.ResultCopy() + s.transform.ResultCopySize());
        RefusingHost host(s, c.refuseCopy ? 3 : -1, c.refuseRebuild);
        EXPECT_EQ(s.transform.RotateRight90(5, 3, &host), 0);
        EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("編集用のメモリの確保に失敗しました。")});
        EXPECT_EQ(s.transform.width, 5);
        EXPECT_EQ(s.transform.height, 3);
        EXPECT_EQ(s.holder.dup1Width, 5);
        EXPECT_EQ(s.holder.infoHeader.biWidth, 5);
        EXPECT_EQ(s.Copy1(), before);
        EXPECT_EQ(s.transform.pixels, s.holder.dup1Bits);
        ASSERT_EQ(s.transform.ResultCopySize(), result.size());
        EXPECT_EQ(std::memcmp(s.transform.ResultCopy(), result.data(), result.size()), 0);
        // The image is still usable afterwards.
        EXPECT_EQ(s.transform.FlipUpsideDown(5, 3), CImageTransform::kDone);
    }
}
