// The continuous-capture dialog on a real display, with nothing replaced: a
// screen range over a window of a known colour is captured into numbered
// files that show that colour, and the dialog closes as the run ends.
#include "clip/continuous_capture_dialog.h"

#include "core/settings/app_settings.h"
#include "platform/dialog/msgbox.h"
#include "platform/x11/desktop_services.h"
#include "tests/support/modal_script.h"
#include "tests/support/synthetic_input.h"
#include "tests/support/x11_fixture_windows.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ContinuousCaptureDialogX11, ARangeOfTheRealScreenBecomesNumberedFiles)
{
    if (!DesktopIsAvailable())
        GTEST_SKIP() << "needs a display";
    FixtureDisplay fixtures;
    ASSERT_TRUE(fixtures.isOpen());
    FixtureWindowRecipe recipe;
    recipe.title = QStringLiteral("continuous target");
    recipe.x = 1500;  // clear of the dialog, which opens in the middle of the screen
    recipe.y = 700;
    recipe.width = 120;
    recipe.height = 90;
    recipe.background = 0x30A050;
    const HWND window = fixtures.Create(recipe);
    ASSERT_NE(window, nullptr);
    fixtures.Sync();
    const POINT origin = fixtures.ClientOrigin(window);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    AppSettingsRecord& s = AppSettings;
    s.Step1_cc_Target = 2;
    s.Step1_cc_CapRect = RECT{origin.x + 10, origin.y + 10, origin.x + 49, origin.y + 39};
    s.Step1_cc_MouseCursor = 0;
    s.Step2_FirstWait = 100;
    s.Step3_cc_CapNum = 2;
    s.Step4_cc_CapInterval = 2;
    s.Step4_ForceCapture = 0;
    s.Step5_cc_SaveFormat = 5;
    s.Step6_cc_SaveFolder = dir.path() + QStringLiteral("/");
    s.Step6_cc_Goto_MultiMode = 0;
    s.Step7_cc_Filename = QStringLiteral("frame");
    s.Step7_cc_OverWrite = 1;
    s.Step7_cc_AddFront = 0;
    s.Step8_WndStatus = 2;
    s.Step8_ShowPos = 1;
    s.CC_SaveWait_ms = 5000;

    QStringList texts;
    SetMessageBoxHookForTesting([&](const MessageBoxRequest& r) {
        texts << r.text;
        return IDOK;
    });
    CDlgContinueCapture dialog;
    const INT_PTR result = RunModalScript<CDlgContinueCapture>(
        dialog, [](CDlgContinueCapture& d) { MouseClick(d.GetDlgItem(IDOK)->GetWidget(), QPoint(4, 4)); });
    SetMessageBoxHookForTesting({});
    fixtures.Destroy(window);

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(texts, QStringList{QStringLiteral("連続キャプチャ終了しました")});
    for (const char* name : {"frame-1.png", "frame-2.png"}) {
        const QImage image(dir.filePath(QString::fromLatin1(name)));
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.size(), QSize(40, 30));
        EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(0x30, 0xA0, 0x50)) << name;
        EXPECT_EQ(QColor(image.pixel(39, 29)), QColor(0x30, 0xA0, 0x50)) << name;
    }
}

}  // namespace
