#include "platform/clipboard/clipboard.h"
#include "platform/clipboard/clipboard_viewers.h"
#include "platform/clipboard/drop_file_list.h"
#include "platform/gdi/gdi.h"
#include "platform/system/cp932.h"
#include "platform/window/window.h"
#include "tests/support/pump_until.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

#include <cstring>

namespace {

QClipboard* Desktop()
{
    return QGuiApplication::clipboard();
}

// Each case starts from an empty clipboard that nobody has open.
class ClipboardGui : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        CloseClipboard();
    }
    void TearDown() override { CloseClipboard(); }
};

QImage Pattern()
{
    QImage image(3, 2, QImage::Format_RGB32);
    const QRgb colours[] = {0xFF102030, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000};
    for (int i = 0; i < 6; ++i)
        image.setPixel(i % 3, i / 3, colours[i]);
    return image;
}

HGLOBAL TextBlock(const QByteArray& bytes)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, static_cast<SIZE_T>(bytes.size()) + 1);
    std::memcpy(GlobalLock(block), bytes.constData(), static_cast<std::size_t>(bytes.size()));
    GlobalUnlock(block);
    return block;
}

HANDLE PutOnClipboard(UINT format, HANDLE data)
{
    if (!OpenClipboard(nullptr))
        return nullptr;
    EmptyClipboard();
    HANDLE put = SetClipboardData(format, data);
    CloseClipboard();
    return put;
}

TEST_F(ClipboardGui, BitmapGoesThroughTheDesktopUnchanged)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromImage(Pattern()));
    const HBITMAP handle = bitmap;
    ASSERT_EQ(PutOnClipboard(CF_BITMAP, handle), handle);
    // Handed over: the CBitmap no longer frees it.
    EXPECT_EQ(bitmap.GetSafeHandle(), nullptr);

    // Another program reads the picture and puts it back as its own.
    const QImage seen = Desktop()->image();
    EXPECT_EQ(seen.convertToFormat(QImage::Format_RGB32), Pattern());
    Desktop()->setImage(seen);

    ASSERT_TRUE(OpenClipboard(nullptr));
    auto* got = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_NE(got, nullptr);
    EXPECT_EQ(got->image, Pattern());
    EXPECT_TRUE(CloseClipboard());
}

TEST_F(ClipboardGui, JapaneseTextTravelsAsCodePage932)
{
    const QString text = QStringLiteral("クリップボード 日本語 ABC 123");
    HGLOBAL block = TextBlock(*EncodeCp932(text));
    ASSERT_EQ(PutOnClipboard(CF_TEXT, block), block);
    EXPECT_EQ(Desktop()->text(), text);

    const QString other = QStringLiteral("別のテキスト");
    Desktop()->setText(other);
    ASSERT_TRUE(OpenClipboard(nullptr));
    auto* got = static_cast<HGLOBAL>(GetClipboardData(CF_TEXT));
    ASSERT_NE(got, nullptr);
    const QByteArray bytes = GlobalBlockBytes(got);
    ASSERT_TRUE(bytes.endsWith('\0'));
    EXPECT_EQ(DecodeCp932(bytes.chopped(1)), other);
    CloseClipboard();
}

TEST_F(ClipboardGui, TextOutsideCodePage932IsRefusedAndLeftWithItsOwner)
{
    HGLOBAL broken = TextBlock(QByteArray("\x81", 1));  // a lead byte without its trail
    EXPECT_EQ(PutOnClipboard(CF_TEXT, broken), nullptr);
    EXPECT_EQ(GlobalFree(broken), nullptr);

    Desktop()->setText(QStringLiteral("\U0001F600"));
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
    CloseClipboard();
}

TEST_F(ClipboardGui, FileListReachesTheDesktopAsFileUrls)
{
    const QString paths[] = {QStringLiteral("/home/u/写真/a.png"), QStringLiteral("/tmp/b c.jpg")};
    DROPFILES header;
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    QByteArray bytes(reinterpret_cast<const char*>(&header), sizeof header);
    for (const QString& path : paths)
        bytes.append(reinterpret_cast<const char*>(path.utf16()), (path.size() + 1) * 2);
    bytes.append(2, '\0');
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(bytes.size()));
    std::memcpy(GlobalLock(block), bytes.constData(), static_cast<std::size_t>(bytes.size()));
    GlobalUnlock(block);

    ASSERT_EQ(PutOnClipboard(CF_HDROP, block), block);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_HDROP));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
    const QList<QUrl> urls = Desktop()->mimeData()->urls();
    ASSERT_EQ(urls.size(), 2);
    EXPECT_EQ(urls[0].toLocalFile(), paths[0]);
    EXPECT_EQ(urls[1].toLocalFile(), paths[1]);
}

TEST_F(ClipboardGui, BlockHandedToTheClipboardStaysItsUntilEmptied)
{
    HGLOBAL block = TextBlock("abc");
    ASSERT_EQ(PutOnClipboard(CF_TEXT, block), block);
    EXPECT_EQ(GlobalFree(block), block);  // refused: not the caller's any more
    EXPECT_EQ(GlobalBlockBytes(block), QByteArray("abc", 4));

    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(GetClipboardData(CF_TEXT), block);
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_EQ(GlobalSize(block), 0u);  // freed by the clipboard
    CloseClipboard();
}

TEST_F(ClipboardGui, EmptyClearsEveryFormat)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromImage(Pattern()));
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(SetClipboardData(CF_BITMAP, bitmap.Detach()));
    ASSERT_TRUE(SetClipboardData(CF_TEXT, TextBlock("x")));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));

    EXPECT_TRUE(EmptyClipboard());
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(GetClipboardData(CF_BITMAP), nullptr);
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
    EXPECT_TRUE(Desktop()->image().isNull());
    EXPECT_TRUE(Desktop()->text().isEmpty());
    CloseClipboard();
}

TEST_F(ClipboardGui, FormatsFollowAnotherSetter)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromImage(Pattern()));
    ASSERT_TRUE(PutOnClipboard(CF_BITMAP, bitmap.Detach()));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));

    Desktop()->setText(QStringLiteral("from elsewhere"));
    EXPECT_TRUE(PumpUntil([] { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));

    Desktop()->setImage(Pattern());
    EXPECT_TRUE(PumpUntil([] { return IsClipboardFormatAvailable(CF_BITMAP) != FALSE; }));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
}

// The desktop's clipboard is not locked while the program has it open.
TEST_F(ClipboardGui, ChangeByAnotherProgramWhileOpenKeepsTheGivenDataUntilClose)
{
    Desktop()->setImage(Pattern());
    ASSERT_TRUE(OpenClipboard(nullptr));
    auto* got = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_NE(got, nullptr);

    Desktop()->setText(QStringLiteral("replaced"));
    EXPECT_EQ(GetClipboardData(CF_BITMAP), nullptr);
    EXPECT_EQ(got->image, Pattern());  // still the caller's to read
    EXPECT_TRUE(CloseClipboard());
}

TEST_F(ClipboardGui, OneWindowHasTheClipboardOpenAtATime)
{
    const HWND a = reinterpret_cast<HWND>(std::uintptr_t{2});
    const HWND b = reinterpret_cast<HWND>(std::uintptr_t{4});
    ASSERT_TRUE(OpenClipboard(a));
    EXPECT_FALSE(OpenClipboard(b));
    EXPECT_FALSE(OpenClipboard(nullptr));
    EXPECT_TRUE(OpenClipboard(a));
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());
    EXPECT_TRUE(OpenClipboard(b));
    EXPECT_TRUE(CloseClipboard());

    // Closed, it takes nothing and gives nothing.
    HGLOBAL block = TextBlock("x");
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_EQ(SetClipboardData(CF_TEXT, block), nullptr);
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
    EXPECT_EQ(GlobalFree(block), nullptr);
}

class Viewer : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_DRAWCLIPBOARD)
            ++draws;
        if (message == WM_CHANGECBCHAIN)
            chainChanges.emplace_back(reinterpret_cast<HWND>(wParam), reinterpret_cast<HWND>(lParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
    bool Make() { return CreateEx(0, QStringLiteral("viewer"), WS_POPUP, RECT{0, 0, 20, 20}, nullptr, 0); }

    int draws = 0;
    std::vector<std::pair<HWND, HWND>> chainChanges;
};

TEST_F(ClipboardGui, ViewerChainHearsOfEveryChange)
{
    Viewer first, second;
    ASSERT_TRUE(first.Make());
    ASSERT_TRUE(second.Make());
    EXPECT_EQ(JoinClipboardViewerChain(first.GetSafeHwnd()), nullptr);
    EXPECT_EQ(JoinClipboardViewerChain(second.GetSafeHwnd()), first.GetSafeHwnd());

    // Our own change is told once, when the clipboard closes.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, TextBlock("a"));
    EXPECT_EQ(second.draws, 0);
    CloseClipboard();
    EXPECT_EQ(second.draws, 1);

    Desktop()->setText(QStringLiteral("b"));
    EXPECT_TRUE(PumpUntil([&] { return second.draws == 2; }));
    EXPECT_EQ(first.draws, 0);  // passing it on is the first viewer's work

    // A window behind the first leaves: the first hears of it.
    LeaveClipboardViewerChain(first.GetSafeHwnd(), nullptr);
    ASSERT_EQ(second.chainChanges.size(), 1u);
    EXPECT_EQ(second.chainChanges[0], std::make_pair(first.GetSafeHwnd(), HWND{}));
    // The first leaves: nobody is told any more.
    LeaveClipboardViewerChain(second.GetSafeHwnd(), nullptr);
    Desktop()->setText(QStringLiteral("c"));
    PumpFor(20);
    EXPECT_EQ(second.draws, 2);
}

}  // namespace
