// The selection's file list on the real X clipboard, as another program
// (xclip) reads it: file URLs in text/uri-list and the file managers'
// copied-files list.
#include "multiview/multi_view_stage.h"

#include "core/settings/app_settings.h"
#include "multiview/multi_view_state.h"
#include "multiview/thumbnail_list.h"
#include "multiview/thumbnail_loaders.h"
#include "platform/x11/desktop_services.h"
#include "tests/multiview/fake_multi_panel.h"
#include "tests/multiview/fake_thumbnail_decoder.h"
#include "tests/support/clipboard_reader.h"
#include "tests/support/pump_until.h"

#include <QStandardPaths>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

TEST(MultiViewClipboardX11, TheSelectedFilesAreReadByAnotherProgramAsFileUrls)
{
    if (!DesktopIsAvailable())
        GTEST_SKIP() << "needs a display";
    if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
        GTEST_SKIP() << "needs xclip";
    QTemporaryDir dir;
    const QString folder = MakePictureFolder(dir, QStringLiteral("写真 a"), 4);
    AppSettings.MaxHBitmapNumber = 2000;
    GetMultiViewState() = MultiViewState{};
    GetMultiViewState().thumbSize = 144;
    FakeThumbnailDecoder decoder;
    FakePanel panel;
    ASSERT_TRUE(panel.Create());
    CDlgMultiViewStage stage;
    stage.SetPanelState(&panel);
    stage.List().SetThumbnailDecoder(decoder.Decoder());
    stage.List().SetAvailableMemoryMB([] { return DWORD{100000}; });
    ASSERT_TRUE(stage.Create(nullptr));
    QString request = folder;
    stage.SendMessage(WM_MULTI_FOLDER_CHANGED, reinterpret_cast<WPARAM>(&request), kSortBitDate);
    ASSERT_TRUE(PumpUntil([&] { return !stage.Loaders().AnyAlive(); }, 10000));
    CThumbnailList& list = stage.List();
    for (const char* name : {"p0001.png", "p0003.png"})
        list.SetSelection(list.GetDisplayIndex(list.FindFile(QString::fromLatin1(name))), 1);

    ASSERT_EQ(stage.SendMessage(WM_MULTI_COPY_FILES, 2), 1);
    const QByteArray one = QUrl::fromLocalFile(folder + "/p0001.png").toEncoded();
    const QByteArray three = QUrl::fromLocalFile(folder + "/p0003.png").toEncoded();
    EXPECT_EQ(ReadClipboardWithXclip(QStringLiteral("text/uri-list")), one + "\r\n" + three + "\r\n");
    EXPECT_EQ(ReadClipboardWithXclip(QStringLiteral("x-special/gnome-copied-files")),
        "copy\n" + one + "\n" + three);

    stage.DestroyWindow();
    panel.DestroyWindow();
}

}  // namespace
