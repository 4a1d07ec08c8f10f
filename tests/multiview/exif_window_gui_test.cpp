#include "multiview/exif_window.h"

#include "core/app_state.h"
#include "multiview/exif_window_layout.h"
#include "tests/exif/exif_settings_test.h"
#include "tests/support/exif_builder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using B = ExifBuilder;

// No frame and no stage: the window lists and sizes itself alone.
class LoneWindowSource : public AppStateSource { };

class ExifWindowGui : public ExifSettingsTest {
protected:
    ExifWindowGui()
    {
        SetAppStateSource(&m_app);
        ExifDisplaySettings.rememberPosition = 1;
        ExifDisplaySettings.fontSize = 14;
        m_window.SetScreenForTesting(SIZE{1280, 1024});
        EXPECT_TRUE(m_window.Create(nullptr));
    }
    ~ExifWindowGui() override
    {
        m_window.DestroyWindow();
        SetAppStateSource(nullptr);
    }

    static void Show(std::initializer_list<WORD> tags)
    {
        ExifDisplaySettings.mask = ExifTagMask{};
        for (WORD tag : tags)
            SetExifClearTag(tag, 1, ExifDisplaySettings.mask);
    }
    QString Write(const ExifBuilder& b, const QString& name = QStringLiteral("shot.jpg"))
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(b.WriteTo(path));
        return path;
    }
    LRESULT List(const QString& path)
    {
        return m_window.SendMessage(WM_EXIFVIEW_SHOW, reinterpret_cast<WPARAM>(&path));
    }
    RECT WindowRect()
    {
        RECT r{};
        m_window.GetWindowRect(&r);
        return r;
    }

    LoneWindowSource m_app;
    QTemporaryDir m_dir;
    CDlgViewExifInfo m_window;
};

ExifBuilder Camera(const QByteArray& model)
{
    B b;
    b.Ascii(B::Ifd0, 271, "Maker").Ascii(B::Ifd0, 272, model);
    return b;
}

TEST_F(ExifWindowGui, ListsTheFileNameAndTheChosenTagsAndGrowsWithThem)
{
    Show({271, 272});
    const QString shortPath = Write(Camera("M1"), QStringLiteral("short.jpg"));
    ASSERT_EQ(List(shortPath), 1);
    // The edit keeps its line breaks as "\n".
    const QStringList lines = m_window.Text().split(u'\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("short.jpg"));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("Maker"))) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].contains(QStringLiteral("M1"))) << lines[2].toStdString();
    EXPECT_EQ(m_window.Path(), shortPath);
    const RECT small = WindowRect();

    ASSERT_EQ(List(Write(Camera("A model with a much longer name, mark 2"), QStringLiteral("long.jpg"))), 1);
    const RECT wide = WindowRect();
    EXPECT_GT(wide.right - wide.left, small.right - small.left);
    EXPECT_FALSE(m_window.ScrollBarShown());

    // A larger font makes a wider window for the same file.
    m_window.SendMessage(WM_EXIFVIEW_SET_FONT, 28);
    m_window.SendMessage(WM_EXIFVIEW_RELOAD);
    EXPECT_GT(WindowRect().right - WindowRect().left, wide.right - wide.left);
}

TEST_F(ExifWindowGui, NothingToListShowsTheFixedText)
{
    const QString fixed =
        QString::fromUtf16(kExifNoInformation).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString path = Write(Camera("M1"));
    // No tag chosen, as at start.
    Show({});
    EXPECT_EQ(List(path), 0);
    EXPECT_EQ(m_window.Text(), fixed);
    // A file without EXIF data.
    Show({271});
    QFile plain(m_dir.filePath(QStringLiteral("plain.jpg")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("\xFF\xD8\xFF\xD9");
    plain.close();
    EXPECT_EQ(List(plain.fileName()), 0);
    EXPECT_EQ(m_window.Text(), fixed);
    // The settings changing back lists the file shown last again.
    m_window.SendMessage(WM_EXIFVIEW_RELOAD);
    EXPECT_EQ(m_window.Path(), plain.fileName());
}

TEST_F(ExifWindowGui, AListTallerThanTheScreenEndsAboveItsBottomWithAScrollBar)
{
    m_window.SetScreenForTesting(SIZE{1280, 200});
    m_window.MoveWindow(0, 0, 200, 100);
    m_window.SendMessage(WM_EXIFVIEW_SET_FONT, 40);
    B b;
    std::initializer_list<WORD> tags{271, 272, 305, 306, 315, 33432, 270};
    for (WORD tag : tags)
        b.Ascii(B::Ifd0, tag, "value");
    Show(tags);
    ASSERT_EQ(List(Write(b)), 1);
    EXPECT_TRUE(m_window.ScrollBarShown());
    EXPECT_EQ(WindowRect().bottom, 200 - kExifScreenBottomGap);
}

}  // namespace
