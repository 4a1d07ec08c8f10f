#include "platform/clipboard/global_memory.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(GlobalMemory, BlockStartsZeroedKeepsItsBytesAndCountsLocks)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 6);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 6u);
    auto* bytes = static_cast<char*>(GlobalLock(block));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(std::memcmp(bytes, "\0\0\0\0\0\0", 6), 0);
    std::memcpy(bytes, "abcde", 6);
    EXPECT_EQ(GlobalLock(block), bytes);
    EXPECT_TRUE(GlobalUnlock(block));  // one lock left
    EXPECT_FALSE(GlobalUnlock(block));
    EXPECT_EQ(GlobalBlockBytes(block), QByteArray("abcde", 6));
    EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(GlobalMemory, HandlesThatNameNoBlockFailCleanly)
{
    HGLOBAL freed = GlobalAlloc(GHND, 4);
    ASSERT_EQ(GlobalFree(freed), nullptr);
    int notABlock = 0;
    HGLOBAL foreign = reinterpret_cast<HGLOBAL>(&notABlock);
    for (HGLOBAL bad : {freed, foreign}) {
        EXPECT_EQ(GlobalLock(bad), nullptr);
        EXPECT_FALSE(GlobalUnlock(bad));
        EXPECT_EQ(GlobalSize(bad), 0u);
        EXPECT_EQ(GlobalFree(bad), bad);
        EXPECT_TRUE(GlobalBlockBytes(bad).isNull());
    }
    EXPECT_EQ(GlobalFree(nullptr), nullptr);
    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, 0), nullptr);
}

TEST(GlobalMemory, BlockOfTheClipboardIsFreedOnlyByIt)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 2);
    ASSERT_TRUE(TakeGlobalBlockForClipboard(block));
    EXPECT_FALSE(TakeGlobalBlockForClipboard(block));
    EXPECT_EQ(GlobalFree(block), block);
    EXPECT_EQ(GlobalSize(block), 2u);
    FreeClipboardGlobalBlock(block);
    EXPECT_EQ(GlobalSize(block), 0u);
}

}  // namespace
