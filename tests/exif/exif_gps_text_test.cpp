// GPS coordinates as text in each format.
#include "exif/exif_gps_text.h"

#include "tests/exif/exif_test_print.h"

#include <gtest/gtest.h>

TEST(ExifGpsText, CoordinateFormats)
{
    struct Case {
        std::vector<DWORD> values;
        int format;
        const char16_t* text;  // null: no text
    };
    const Case cases[] = {
        {{35, 1, 40, 1, 3, 1}, 1, u"北緯 35度40分3.00000秒"}, {{35, 1, 40, 1, 3, 1}, 0, u"北緯 35.667500000"},
        {{35, 1, 0, 1, 0, 1}, 0, u"北緯 35.000000000"}, {{35, 1, 6, 1, 36, 100}, 0, u"北緯 35.100100000"},
        {{3550, 100, 3015, 100, 0, 1}, 1, u"北緯 35.50度30.15分0.00000秒"},
        {{3550, 100, 30, 1, 0, 1}, 0, u"北緯 36.000000000"},  // fractional degrees carried
        {{35, 1, 90, 1, 0, 1}, 0, u"北緯 36.500000000"},      // ninety minutes
        {{35, 1, 40, 0, 3, 1}, 0, nullptr},                   // zero denominator
        {{35, 1, 40, 1}, 1, nullptr},                         // two rationals only
    };
    for (const Case& c : cases) {
        const auto text = FormatGpsCoordinate(QStringLiteral("北緯"), c.values, c.format);
        if (!c.text)
            EXPECT_FALSE(text.has_value());
        else
            EXPECT_EQ(text.value_or(QString()), QString::fromUtf16(c.text));
    }
}
