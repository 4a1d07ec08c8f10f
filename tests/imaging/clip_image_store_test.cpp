// The clip-image store's slot rules and a slot's blocks.
#include "imaging/clip_image_store.h"
#include "imaging/dib_helpers.h"
#include "tests/support/image_fixtures.h"

#include <gtest/gtest.h>

TEST(ClipImageStore, TakesTheLowestFreeSlotAndRefusesOutsideIndices)
{
    CClipImageStore store;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(store.AllocFreeSlot(), i);
    EXPECT_EQ(store.FreeSlot(2), 1);
    EXPECT_EQ(store.GetSlot(2), nullptr);
    EXPECT_EQ(store.AllocFreeSlot(), 2);
    EXPECT_EQ(store.GetSlot(2)->index, 2);
    for (int i = 4; i < 12; ++i)
        EXPECT_EQ(store.AllocFreeSlot(), i);
    EXPECT_EQ(store.AllocFreeSlot(), CClipImageStore::kNoSlot);
    EXPECT_NE(store.GetSlot(11), nullptr);

    // Nothing outside 0..11 is a slot: neither for reading nor for freeing.
    for (int index : {12, 13, 100, 254, 255}) {
        EXPECT_EQ(store.GetSlot(static_cast<BYTE>(index)), nullptr) << index;
        EXPECT_EQ(store.FreeSlot(static_cast<BYTE>(index)), 0) << index;
    }
    EXPECT_EQ(store.FreeSlot(5), 1);
    EXPECT_EQ(store.FreeSlot(5), 0);  // already empty
    EXPECT_EQ(store.AllocFreeSlot(), 5);
}

TEST(ClipImageStore, DestroyingTheStoreReleasesFilledSlots)
{
    ImageSettingsScope settings;
    // Leaks of pixels, blocks, bitmaps or DCs show under the leak checker.
    CClipImageStore store;
    for (int i = 0; i < 3; ++i) {
        CClipImageSlot* slot = store.GetSlot(store.AllocFreeSlot());
        ASSERT_EQ(InitDibHeaders(&slot->fileHeader, &slot->infoHeader, 4, 3, 24, 0, 0, 0), 1);
        ASSERT_NE(slot->AllocColorTable(), nullptr);
        ASSERT_EQ(slot->AllocBits(), 1);
        CopyInfoHeader(&slot->colorBlock->bmiHeader, &slot->infoHeader);
        ASSERT_EQ(slot->CreateBitmap(nullptr, 0), 1);
        ASSERT_EQ(slot->CreateBitmap(nullptr, 0), 1);  // replaces the first pair
    }
}

TEST(ClipImageSlot, BlocksFollowTheHeaders)
{
    ImageSettingsScope settings;
    struct Case {
        int bpp;
        DWORD colorBlockSize;
    };
    for (const Case c : {Case{8, 1064}, Case{24, 44}, Case{32, 44}, Case{16, 0}, Case{4, 0}}) {
        CClipImageSlot slot;
        slot.infoHeader.biBitCount = static_cast<WORD>(c.bpp);
        BITMAPINFO* block = slot.AllocColorTable();
        EXPECT_EQ(block != nullptr, c.colorBlockSize != 0) << c.bpp;
        EXPECT_EQ(slot.colorBlockSize, c.colorBlockSize);
    }
    CClipImageSlot slot(7);
    EXPECT_EQ(slot.index, 7);
    EXPECT_EQ(slot.AllocBits(), 0);  // no size yet
    EXPECT_EQ(slot.CreateBitmap(nullptr, 1), 0);
    ASSERT_EQ(InitDibHeaders(&slot.fileHeader, &slot.infoHeader, 3, 2, 24, 0, 0, 0), 1);
    ASSERT_EQ(slot.AllocBits(), 1);
    EXPECT_EQ(slot.bits[2 * 12 - 1], 0);
    // Without a colour block no bitmap can be made; the slot keeps none.
    EXPECT_EQ(slot.CreateBitmap(nullptr, 0), 0);
    EXPECT_EQ(slot.memDC, nullptr);
    slot.Reset(3);
    EXPECT_EQ(slot.index, 3);
    EXPECT_EQ(slot.bits, nullptr);
    EXPECT_EQ(DWORD(slot.fileHeader.bfSize), 0u);
    EXPECT_EQ(slot.infoHeader.biBitCount, 0);
}
