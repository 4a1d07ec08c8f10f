#include "platform/x11/desktop_rules.h"

#include <gtest/gtest.h>

namespace {

void AddIcon(std::vector<unsigned long>& items, int w, int h, QRgb colour)
{
    items.push_back(static_cast<unsigned long>(w));
    items.push_back(static_cast<unsigned long>(h));
    items.insert(items.end(), static_cast<size_t>(w * h), colour);
}

TEST(NetWmIcon, PicksTheSmallestAtLeastWantedElseTheLargest)
{
    struct Case {
        std::vector<int> sizes;
        int chosen;
    };
    const Case cases[] = {
        {{48, 16, 32}, 16},
        {{48, 32, 24}, 24},
        {{8, 12}, 12},
        {{64}, 64},
        {{16, 16}, 16},
    };
    for (const Case& c : cases) {
        std::vector<unsigned long> items;
        for (int s : c.sizes)
            AddIcon(items, s, s, 0x80000000u | static_cast<QRgb>(s));
        const QImage icon = PickNetWmIcon(items, 16);
        ASSERT_FALSE(icon.isNull());
        EXPECT_EQ(icon.width(), c.chosen);
        EXPECT_EQ(icon.pixel(0, 0), 0x80000000u | static_cast<QRgb>(c.chosen));  // alpha kept
    }
}

TEST(NetWmIcon, MalformedValuesStayInsideTheItems)
{
    std::vector<unsigned long> items;
    EXPECT_TRUE(PickNetWmIcon(items, 16).isNull());
    items = {16};
    EXPECT_TRUE(PickNetWmIcon(items, 16).isNull());
    items = {16, 16, 1, 2, 3};  // claims 256 pixels, has 3
    EXPECT_TRUE(PickNetWmIcon(items, 16).isNull());
    items = {0xFFFFFFFFul, 0xFFFFFFFFul, 1};
    EXPECT_TRUE(PickNetWmIcon(items, 16).isNull());
    items.clear();
    AddIcon(items, 8, 8, 0xFF00FF00u);
    items.insert(items.end(), {32, 32, 5});  // a truncated second icon
    const QImage icon = PickNetWmIcon(items, 16);
    EXPECT_EQ(icon.width(), 8);
}

TEST(Geometry, FramesAndScreenClipping)
{
    const RECT client{100, 120, 300, 220};
    EXPECT_EQ(GrowByFrame(client, FrameExtents{1, 2, 20, 5}), (RECT{99, 100, 302, 225}));
    EXPECT_EQ(ShrinkByFrame(client, FrameExtents{10, 10, 8, 12}), (RECT{110, 128, 290, 208}));
    const SIZE screen{1920, 1080};
    EXPECT_EQ(ClipRectToScreen(RECT{-10, -20, 30, 40}, screen), (RECT{0, 0, 30, 40}));
    EXPECT_EQ(ClipRectToScreen(RECT{1900, 1000, 2000, 1200}, screen), (RECT{1900, 1000, 1920, 1080}));
    EXPECT_EQ(ClipRectToScreen(RECT{2000, 0, 2100, 10}, screen), RECT{});
    EXPECT_EQ(ClipRectToScreen(RECT{5, 5, 5, 10}, screen), RECT{});
}

TEST(Pixels, MadeOpaqueColoursKept)
{
    std::uint32_t pixels[] = {0x00123456u, 0x80ABCDEFu, 0xFF000000u, 0u, 0x00FFFFFFu};
    MakePixelsOpaque(pixels, 4);
    EXPECT_EQ(pixels[0], 0xFF123456u);
    EXPECT_EQ(pixels[1], 0xFFABCDEFu);
    EXPECT_EQ(pixels[2], 0xFF000000u);
    EXPECT_EQ(pixels[3], 0xFF000000u);
    EXPECT_EQ(pixels[4], 0x00FFFFFFu);  // beyond the count: untouched
}

TEST(InputTables, KeysAndWheel)
{
    EXPECT_EQ(KeysymOfVirtualKey(0x22), 0xFF56u);  // Page Down
    EXPECT_EQ(KeysymOfVirtualKey(0x21), 0xFF55u);  // Page Up
    EXPECT_EQ(KeysymOfVirtualKey(0x24), 0xFF50u);  // Home
    EXPECT_EQ(KeysymOfVirtualKey(0x2C), 0xFF61u);  // Print
    EXPECT_EQ(KeysymOfVirtualKey('A'), static_cast<unsigned long>('a'));
    EXPECT_EQ(KeysymOfVirtualKey('7'), static_cast<unsigned long>('7'));
    EXPECT_EQ(KeysymOfVirtualKey(0x71), 0xFFBFu);  // F2
    EXPECT_EQ(KeysymOfVirtualKey(0xE7), 0u);
    EXPECT_EQ(WheelButtonOf(1), 4);
    EXPECT_EQ(WheelButtonOf(-3), 5);
}

}  // namespace
