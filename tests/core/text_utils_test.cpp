#include "core/text_utils.h"
#include "platform/system/cp932.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

TEST(TextUtils, FormatByteSizeInSinglePrecision)
{
    const std::pair<ULONGLONG, const char*> cases[] = {{0, "0 Byte"}, {999, "999 Byte"}, {1000, "1.00 KB"},
        {1065, "1.07 KB"}, {9999, "10.00 KB"}, {10000, "10.0 KB"}, {99950, "99.9 KB"}, {100000, "100 KB"},
        {999999, "999 KB"}, {1000000, "1.00 MB"}, {12345678, "12.3 MB"}, {123456789, "123 MB"},
        {1000000000, "1.00 GB"}, {4294967295ull, "4.29 GB"}};
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(FormatByteSize(bytes), QString::fromUtf8(text)) << bytes;
}

TEST(TextUtils, TitleTimestampPaddingAndAppend)
{
    EXPECT_EQ(FormatAppTitle(), QStringLiteral("Kestrel Ver.1.00"));

    QString name = QStringLiteral("cap-");
    AppendTimestamp(name, 520, SYSTEMTIME{2024, 2, 4, 29, 7, 5, 9, 123});
    EXPECT_EQ(name, QStringLiteral("cap-20240229-070509"));
    QString now;
    AppendTimestamp(now, 520);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{8}-\\d{6}$")).match(now).hasMatch())
        << qPrintable(now);
    QString small = QStringLiteral("abc");
    AppendTimestamp(small, 10);  // does not fit: unchanged
    EXPECT_EQ(small, QStringLiteral("abc"));

    QString padded = QStringLiteral("42");
    PadStringLeft(padded, u'0', 5);
    EXPECT_EQ(padded, QStringLiteral("00042"));
    PadStringLeft(padded, u'0', 3);
    EXPECT_EQ(padded, QStringLiteral("00042"));

    QString text = QStringLiteral("ab");
    AppendChar(text, 4, '.');
    EXPECT_EQ(text, QStringLiteral("ab."));
    AppendChar(text, 4, 'x');  // full (3 characters and the terminator)
    EXPECT_EQ(text, QStringLiteral("ab."));
    QString high;
    AppendChar(high, 4, static_cast<char>(0x80));
    EXPECT_EQ(high.at(0).unicode(), 0xFF80);  // sign-extended
}

TEST(TextUtils, GetNextTokenWalksAndAlwaysAdvances)
{
    QString token;
    const QString text = QStringLiteral("a\\\\\\b");
    int pos = GetNextToken(token, text, 0, u'\\', 10, false);
    EXPECT_EQ(token, QStringLiteral("a"));
    EXPECT_EQ(pos, 4);  // at "b"
    pos = GetNextToken(token, text, pos, u'\\', 10, false);
    EXPECT_EQ(token, QStringLiteral("b"));
    EXPECT_EQ(pos, text.size());
    EXPECT_EQ(GetNextToken(token, text, pos, u'\\', 10, false), -1);

    // Lines of a CR LF text with the separator CR; an empty line is an empty token.
    QStringList lines;
    const QString lf = QStringLiteral("one\r\ntwo\r\n\r\nthree");
    for (int p = 0; p >= 0;) {
        p = GetNextToken(token, lf, p, u'\r', 20, false);
        if (p >= 0)
            lines.append(token);
    }
    EXPECT_EQ(lines, (QStringList{"one", "two", "", "three"}));

    // A text that starts with the separator, and a CR that is not the
    // separator, still move the position on.
    EXPECT_EQ(GetNextToken(token, QStringLiteral(",,x"), 0, u',', 10, false), 2);
    EXPECT_TRUE(token.isEmpty());
    EXPECT_EQ(GetNextToken(token, QStringLiteral("ab\r\ncd"), 0, u',', 10, true), 4);
    EXPECT_EQ(token, QStringLiteral("ab"));
    // A token that does not fit.
    EXPECT_EQ(GetNextToken(token, QStringLiteral("abcdef,g"), 0, u',', 6, false), -1);
    EXPECT_TRUE(token.isEmpty());
    EXPECT_EQ(GetNextToken(token, QStringLiteral("abcde,g"), 0, u',', 6, false), 6);
}

TEST(TextUtils, WideToMultiByteAllocHoldsJapaneseText)
{
    char* bytes = nullptr;
    const QString text = QStringLiteral("画像ファイル");
    const int count = WideToMultiByteAlloc(&bytes, text, static_cast<int>(text.size()));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(count, 13);  // six double-byte characters and the terminator
    EXPECT_EQ(QByteArray(bytes), *EncodeCp932(text));
    delete[] bytes;

    EXPECT_EQ(WideToMultiByteAlloc(&bytes, QStringLiteral("a\U0001F600"), 3), 0);
    EXPECT_EQ(bytes, nullptr);
}

TEST(TextUtils, StringArraysAndDigitCounts)
{
    char16_t** array = AllocStringArray(3, 5);
    ASSERT_NE(array, nullptr);
    array[2][5] = u'x';  // l + 1 characters each
    EXPECT_EQ(array[0][0], u'\0');
    FreeStringArray(array, 3);
    EXPECT_EQ(AllocStringArray(0, 5), nullptr);

    const std::pair<int, int> digits[] = {
        {0, 1}, {9, 1}, {10, 2}, {-1, 2}, {-10, 3}, {2147483647, 10}, {-2147483647 - 1, 11}};
    for (const auto& [v, n] : digits)
        EXPECT_EQ(CountDigits(v), n) << v;
    EXPECT_EQ(CountDigitsUnsigned(0), 1);
    EXPECT_EQ(CountDigitsUnsigned(4294967295u), 10);
}
