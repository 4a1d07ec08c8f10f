#include "platform/system/cp932.h"

#include <gtest/gtest.h>
#include <thread>

TEST(Cp932, EncodesAndDecodesJapaneseText)
{
    const QString text = QStringLiteral("画像ファイル ABC 123");
    const auto bytes = EncodeCp932(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->left(4), QByteArray("\x89\xe6\x91\x9c", 4));  // 画像
    const auto back = DecodeCp932(*bytes);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, text);
}

TEST(Cp932, TextThatDoesNotConvertBothWaysIsRefused)
{
    // Emoji have no code; U+301C and U+00A5 encode but decode as other characters.
    for (const QString& text :
        {QStringLiteral("a\U0001F600"), QStringLiteral("x\u301Cy"), QStringLiteral("\u00A5100")})
        EXPECT_FALSE(EncodeCp932(text).has_value()) << qPrintable(text);
    // U+FF5E is the character that code 81 60 stands for: it converts.
    EXPECT_EQ(EncodeCp932(QStringLiteral("\uFF5E")), QByteArray("\x81\x60"));
}

TEST(Cp932, InvalidBytesAreRefused)
{
    EXPECT_FALSE(DecodeCp932(QByteArray("\xA0", 1)).has_value());
    EXPECT_FALSE(DecodeCp932(QByteArray("\x82", 1)).has_value());  // a lead byte without its trail
    EXPECT_EQ(DecodeCp932(QByteArray()), QString());
}

TEST(Cp932, ConvertsOnManyThreadsAtOnce)
{
    std::vector<std::thread> threads;
    std::atomic<int> failures{0};
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 500; ++i) {
                const QString text = QStringLiteral("設定%1").arg(i);
                const auto bytes = EncodeCp932(text);
                if (!bytes || DecodeCp932(*bytes) != text)
                    ++failures;
            }
        });
    }
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(failures.load(), 0);
}
