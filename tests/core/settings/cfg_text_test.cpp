#include "core/settings/cfg_text.h"

#include <gtest/gtest.h>

#include <climits>

TEST(CfgText, WritersFormatKeyLines)
{
    QByteArray out;
    EXPECT_EQ(AppendTextLineA(out, "[-Print-]", 1), 11);
    AppendCfgIntA(out, "MarginLeft", -2000, 1);
    AppendCfgUIntA(out, "Colour", 4294967295u, 1);
    AppendCfgStringA(out, "Folder", QStringLiteral("/home/ユーザー/"), 1);
    AppendCfgStringA(out, "Emoji", QStringLiteral("a\U0001F600"), 1);          // not convertible
    AppendCfgStringA(out, "Broken", QStringLiteral("a\nJpegQuality = 1"), 1);  // would split the line
    AppendCfgStringA(out, "Nul", QString::fromUtf16(u"a\0b", 3), 1);  // would end the text for the reader
    const qsizetype end = AppendCfgIntA(out, "Last", 7, 0);
    AppendCrLfA(out);
    EXPECT_EQ(end, out.size() - 2);
    EXPECT_EQ(out,
        QByteArray("[-Print-]\r\nMarginLeft = -2000\r\nColour = 4294967295\r\nFolder = /home/"
                   "\x83\x86\x81\x5B\x83\x55\x81\x5B/\r\nEmoji = \r\nBroken = \r\nNul = \r\n"
                   "Last = 7\r\n"));
}

TEST(CfgText, RectTextsHoldTheWholeRangeAndParseOnlyFourFields)
{
    EXPECT_EQ(FormatRectW(RECT{INT_MIN, INT_MIN, INT_MIN, INT_MIN}),
        QStringLiteral("-2147483648,-2147483648,-2147483648,-2147483648"));

    struct Case {
        const char* text;
        int result;
        RECT rect;  // starting from 9, 9, 9, 9
    } const cases[] = {
        {"1,2,3,4", 1, {1, 2, 3, 4}},
        {" -5, 6 ,x,8", 1, {-5, 6, 0, 8}},
        {"1,2,3", 0, {1, 2, 3, 9}},  // fields read so far are stored
        {"", 0, {0, 9, 9, 9}},
        {"99999999999,0,0,0", 1, {INT_MAX, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        RECT rect{9, 9, 9, 9};
        EXPECT_EQ(ParseRectW(QString::fromLatin1(c.text), rect), c.result) << c.text;
        EXPECT_EQ(rect, c.rect) << c.text;
    }
}

TEST(CfgText, SectionAndLineSearch)
{
    const char text[] = "[-A-]\r\nx = 1\r\n[-B-]\nLf = 2\n  [-C-]\r\nDir = /[-D-]\r\n[-E-]";
    const char* a = FindCfgSectionA(text, "[-A-]");
    ASSERT_NE(a, nullptr);
    EXPECT_STREQ(a, "x = 1\r\n[-B-]\nLf = 2\n  [-C-]\r\nDir = /[-D-]\r\n[-E-]");
    // A header ended by LF alone, or opened by blanks, is a header.
    EXPECT_STREQ(FindCfgSectionA(text, "[-B-]"), "Lf = 2\n  [-C-]\r\nDir = /[-D-]\r\n[-E-]");
    EXPECT_STREQ(FindCfgSectionA(text, "[-C-]"), "Dir = /[-D-]\r\n[-E-]");
    EXPECT_EQ(FindCfgSectionA(text, "[-D-]"), nullptr);  // inside a value
    EXPECT_EQ(FindCfgSectionA(text, "[-E-]"), nullptr);  // no line end after it
    EXPECT_EQ(FindCfgSectionA(text, "[-F-]"), nullptr);
    EXPECT_EQ(FindCfgSectionA(nullptr, "[-A-]"), nullptr);
    EXPECT_STREQ(FindNextLineA("a\rb"), "b");
    EXPECT_STREQ(FindNextLineA("a\nb"), "b");
    EXPECT_STREQ(FindNextLineA("a\r\nb"), "b");
    EXPECT_STREQ(FindNextLineA("a\n\rb"), "\rb");  // LF CR is two line ends
    EXPECT_EQ(FindNextLineA("ab"), nullptr);
}

TEST(CfgText, ValueLookup)
{
    const char text[] = "TreeDlgPosX2 = 300\r\n"
                        "Tab =\tx\r\n"
                        "Empty = \r\n"
                        "Next = 5\r\n"
                        "Name = a b  \r\n"
                        "Lf = 7\n"
                        "\tSpaced \t= 8\n"
                        "Path = /Hidden = 9\r\n"
                        "Tail = end";
    struct Case {
        const char* key;
        int number;
        int found;
        const char* string;
    } const cases[] = {
        {"TreeDlgPosX", -7, 0, ""},  // a longer key names another one
        {"Tab", 0, 1, "\tx"},        // only spaces are skipped
        {"Empty", 0, 1, ""},         // does not run into the next line
        {"Name", 0, 1, "a b  "},
        {"Tail", 0, 1, "end"},  // the value ends with the text
        {"Lf", 7, 1, "7"},      // ends at an LF alone
        {"Spaced", 8, 1, "8"},  // blanks around the key
        {"Hidden", -7, 0, ""},  // inside a value
        {"Missing", -7, 0, ""},
        {"end", -7, 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetCfgIntA(text, c.key, -7), c.number) << c.key;
        QString value = QStringLiteral("old");
        EXPECT_EQ(GetCfgStringA(text, c.key, value, 520), c.found) << c.key;
        EXPECT_EQ(value, QString::fromLatin1(c.string)) << c.key;
    }
    EXPECT_EQ(GetCfgIntA(nullptr, "Next", 4), 4);
    QString value = QStringLiteral("old");
    EXPECT_EQ(GetCfgStringA(nullptr, "Next", value, 520), 0);
    EXPECT_TRUE(value.isEmpty());
    // The key's own line wins over a longer key's earlier line.
    EXPECT_EQ(GetCfgIntA("ClipHistoryProtect = 1\r\nClipHistory = 5\r\n", "ClipHistory", -7), 5);
}

TEST(CfgText, NumbersUseTheSigned32BitRangeThenTheUnsignedOne)
{
    struct Case {
        const char* value;
        int expected;
    } const cases[] = {
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", INT_MIN},  // 0x80000000 through the unsigned parse
        {"4294967295", -1},       // 0xFFFFFFFF
        {"4294967296", -1},       // the unsigned parse saturates
        {"99999999999999999999", -1},
        {"-2147483649", INT_MAX},  // strtoul negates modulo 2^32
        {"+12abc", 12},
        {"abc", 0},
        {"", 0},
    };
    for (const Case& c : cases) {
        const QByteArray line = QByteArray("K = ") + c.value + "\r\n";
        EXPECT_EQ(GetCfgIntA(line.constData(), "K", 5), c.expected) << c.value;
    }
}

TEST(CfgText, StringsThatDoNotDecodeOrFitReadEmpty)
{
    QString value;
    EXPECT_EQ(GetCfgStringA("K = \x83\x86\x81\x5B\r\n", "K", value, 3), 1);
    EXPECT_EQ(value, QStringLiteral("ユー"));
    EXPECT_EQ(GetCfgStringA("K = abc\r\n", "K", value, 3), 1);  // 3 characters need 4 with the terminator
    EXPECT_TRUE(value.isEmpty());
    EXPECT_EQ(GetCfgStringA("K = a\xA0z\r\n", "K", value, 520), 1);  // a lone A0 is no code page 932
    EXPECT_TRUE(value.isEmpty());
}
