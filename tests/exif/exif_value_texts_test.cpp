#include "exif/exif_value_texts.h"

#include "tests/exif/exif_test_print.h"

#include <gtest/gtest.h>

TEST(ExifValueTexts, Flash)
{
    struct Case {
        DWORD value;
        const char16_t* text;
    };
    const Case cases[] = {
        {0x19, u"ストロボ : 発行, リターン検出機能なし, 自動発行モード。 赤目軽減 : 無(不明)"},
        {0x20, u"ストロボ機能なし。赤目軽減 : 無(不明)"},
        {0x00, u"ストロボ : 発行せず, リターン検出機能なし, モード不明。 赤目軽減 : 無(不明)"},
        {0x4F, u"ストロボ : 発行, リターン検出発行, 強制発光。 赤目軽減 : 有"},
        {0x12, u"ストロボ : 発行せず,  強制非発光。 赤目軽減 : 無(不明)"},
        {0x65, u"ストロボ機能なし。赤目軽減 : 有"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExifFlashText(c.value), QString::fromUtf16(c.text)) << c.value;
}

TEST(ExifValueTexts, EnumerationsAndUnknownValues)
{
    EXPECT_EQ(ExifEnumerationText(34850, 2), QStringLiteral("ノーマルプログラム"));
    EXPECT_EQ(ExifEnumerationText(37384, 24), QStringLiteral("ISO studio tungsten"));
    EXPECT_EQ(ExifEnumerationText(37384, 255), QStringLiteral("その他"));
    EXPECT_EQ(ExifEnumerationText(41495, 0), QStringLiteral("不明"));  // 0 is not in its list
    EXPECT_EQ(ExifEnumerationText(41996, 3), QStringLiteral("遠景"));
    EXPECT_EQ(ExifEnumerationText(41992, 7), QStringLiteral("不明"));
}

TEST(ExifValueTexts, ComponentsAndReferences)
{
    const BYTE ycc[4] = {1, 2, 3, 0};
    const BYTE odd[4] = {9, 4, 5, 6};
    EXPECT_EQ(ExifComponentText(ycc), QStringLiteral("YCbCr-"));
    EXPECT_EQ(ExifComponentText(odd), QStringLiteral("RGB"));
    EXPECT_EQ(ExifGpsReferenceText('N', true), QStringLiteral("北緯"));
    EXPECT_EQ(ExifGpsReferenceText('S', true), QStringLiteral("南緯"));
    EXPECT_EQ(ExifGpsReferenceText('E', true), QStringLiteral("不明"));
    EXPECT_EQ(ExifGpsReferenceText('W', false), QStringLiteral("西経"));
    EXPECT_EQ(ExifGpsReferenceText('-', false), QStringLiteral("不明"));
}

TEST(ExifValueTexts, ByteTexts)
{
    const QByteArray sjis("\x83\x4A\x83\x81\x83\x89\0tail", 11);  // カメラ, NUL, tail
    EXPECT_EQ(
        DecodeExifMultiByte(reinterpret_cast<const BYTE*>(sjis.constData()), 11), QStringLiteral("カメラ"));
    const QByteArray broken("ab\x82", 3);  // a lead byte without its trail
    EXPECT_EQ(
        DecodeExifMultiByte(reinterpret_cast<const BYTE*>(broken.constData()), 3), QStringLiteral("ab?"));
    const QByteArray utf16("h\0i\0\x30\x75x", 7);  // "hi" and U+7530, then half a character
    EXPECT_EQ(DecodeExifUtf16(reinterpret_cast<const BYTE*>(utf16.constData()), 7), QStringLiteral("hi田"));
}
