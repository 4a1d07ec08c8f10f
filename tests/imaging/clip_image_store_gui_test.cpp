// Painting a clip slot onto a surface: nearest pixels without the image
// complement setting, smoothed with it; the DC's own mode is kept.
#include "core/settings/app_settings.h"
#include "imaging/clip_image_store.h"
#include "imaging/dib_helpers.h"
#include "platform/gdi/gdi.h"
#include "tests/support/image_fixtures.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

// A 2 x 2 24-bit slot: top row red, blue; bottom row green, white.
void FillSlot(CClipImageSlot& slot)
{
    ASSERT_EQ(InitDibHeaders(&slot.fileHeader, &slot.infoHeader, 2, 2, 24, 0, 0, 0), 1);
    ASSERT_NE(slot.AllocColorTable(), nullptr);
    ASSERT_EQ(slot.AllocBits(), 1);
    CopyInfoHeader(&slot.colorBlock->bmiHeader, &slot.infoHeader);
    const BYTE bottom[6] = {0, 255, 0, 255, 255, 255};
    const BYTE top[6] = {0, 0, 255, 255, 0, 0};
    std::memcpy(slot.bits, bottom, 6);
    std::memcpy(slot.bits + 8, top, 6);
    ASSERT_EQ(slot.CreateBitmap(nullptr, 0), 1);
}

class ComplementSetting {
public:
    explicit ComplementSetting(int v) : m_old(AppSettings.ImageComplement)
    {
        AppSettings.ImageComplement = v;
    }
    ~ComplementSetting() { AppSettings.ImageComplement = m_old; }

private:
    int m_old;
};

}  // namespace

TEST(ClipImageSlotPaint, StretchesBySettingAndKeepsTheDcMode)
{
    ImageSettingsScope settings;
    CClipImageSlot slot;
    FillSlot(slot);
    const DibSaveSource source = slot.GetSaveSource();
    EXPECT_EQ(source.bits, slot.bits);
    EXPECT_EQ(source.ddb, slot.dib);
    EXPECT_EQ(source.info, slot.colorBlock);

    for (int complement : {0, 1}) {
        ComplementSetting setting(complement);
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP target = CreateCompatibleBitmap(dc, 8, 8);
        HGDIOBJ old = SelectObject(dc, target);
        SetStretchBltMode(dc, BLACKONWHITE);
        slot.Paint(dc, nullptr, RECT{0, 0, 8, 8}, RECT{0, 0, 2, 2});
        EXPECT_EQ(SetStretchBltMode(dc, BLACKONWHITE), BLACKONWHITE);
        const QImage& image = target->image;
        if (complement == 0) {
            // Each slot pixel covers a 4 x 4 block exactly.
            for (int y = 0; y < 8; ++y) {
                for (int x = 0; x < 8; ++x) {
                    const QRgb expected = y < 4 ? (x < 4 ? qRgb(255, 0, 0) : qRgb(0, 0, 255))
                                                : (x < 4 ? qRgb(0, 255, 0) : qRgb(255, 255, 255));
                    EXPECT_EQ(image.pixel(x, y) | 0xFF000000u, expected) << x << "," << y;
                }
            }
        } else {
            // Smoothed: the corners keep their colours, the middle mixes them.
            EXPECT_GT(qRed(image.pixel(0, 0)), 200);
            EXPECT_GT(qBlue(image.pixel(7, 0)), 200);
            const QRgb middle = image.pixel(4, 4);
            EXPECT_TRUE(qRed(middle) > 0 && qGreen(middle) > 0 && qBlue(middle) > 0);
        }
        SelectObject(dc, old);
        DeleteObject(target);
        DeleteDC(dc);
    }
}

TEST(ClipImageSlotPaint, PaintsNothingWithoutItsBitmap)
{
    CClipImageSlot slot;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateCompatibleBitmap(dc, 4, 4);
    HGDIOBJ old = SelectObject(dc, target);
    target->image.fill(0xFF123456u);
    slot.Paint(dc, nullptr, RECT{0, 0, 4, 4}, RECT{0, 0, 2, 2});
    EXPECT_EQ(target->image.pixel(1, 1), 0xFF123456u);
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
}
