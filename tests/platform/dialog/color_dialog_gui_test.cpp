// The colour dialog service: the starting colour and the owner reach whoever
// answers (the test hook or Qt's own dialog); a chosen colour comes back with
// IDOK, a cancel leaves the starting colour with IDCANCEL.
#include "platform/dialog/color_dialog.h"
#include "platform/dialog/dialog.h"
#include "platform/window/window_registry.h"
#include "tests/support/pump_until.h"

#include <QApplication>
#include <QColorDialog>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const DialogTemplate kOwnerTemplate{950, u"持ち主", WS_POPUP | WS_CAPTION, 0, 200, 100, {}};

struct HookReset {
    ~HookReset() { SetColorDialogHookForTesting({}); }
};

TEST(ColorDialog, TheHookSeesOwnerAndStartingColourAndAnswers)
{
    HookReset reset;
    CDialog owner(&kOwnerTemplate);
    ASSERT_TRUE(owner.Create());
    QList<ColorDialogRequest> asked;
    std::optional<COLORREF> answer = RGB(10, 20, 30);
    SetColorDialogHookForTesting([&](const ColorDialogRequest& r) {
        asked.append(r);
        return answer;
    });

    CColorDialog chosen(RGB(200, 100, 50), CC_RGBINIT | CC_FULLOPEN, &owner);
    EXPECT_EQ(chosen.DoModal(), IDOK);
    EXPECT_EQ(chosen.GetColor(), RGB(10, 20, 30));

    answer.reset();
    CColorDialog cancelled(RGB(200, 100, 50), CC_RGBINIT | CC_FULLOPEN, &owner);
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.GetColor(), RGB(200, 100, 50));

    CColorDialog withoutInit(RGB(200, 100, 50), CC_FULLOPEN);
    withoutInit.DoModal();
    ASSERT_EQ(asked.size(), 3);
    EXPECT_EQ(asked[0].owner, owner.GetSafeHwnd());
    EXPECT_EQ(asked[0].initial, RGB(200, 100, 50));
    EXPECT_EQ(asked[2].owner, nullptr);
    EXPECT_EQ(asked[2].initial, RGB(0, 0, 0)) << "without CC_RGBINIT the dialog starts at black";
    owner.DestroyWindow();
}

// Qt's dialog: non-native, modal over the owner, at the starting colour.
TEST(ColorDialog, TheRealDialogStartsAtTheColourOverItsOwner)
{
    CDialog owner(&kOwnerTemplate);
    ASSERT_TRUE(owner.Create());
    struct Seen {
        bool found = false;
        bool nonNative = false;
        bool modal = false;
        QWidget* parent = nullptr;
        QColor start;
    } seen;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (!dialog || seen.found)
            return;
        seen.found = true;
        seen.nonNative = dialog->testOption(QColorDialog::DontUseNativeDialog);
        seen.modal = dialog->isModal();
        seen.parent = dialog->parentWidget();
        seen.start = dialog->currentColor();
        dialog->setCurrentColor(QColor(1, 2, 3));
        QMetaObject::invokeMethod(dialog, "accept");  // as the OK button does
    });
    user.start(10);
    CColorDialog dialog(RGB(250, 128, 0), CC_RGBINIT | CC_FULLOPEN, &owner);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    user.stop();
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(seen.nonNative);
    EXPECT_TRUE(seen.modal);
    EXPECT_EQ(seen.parent, WidgetFromHwnd(owner.GetSafeHwnd()));
    EXPECT_EQ(seen.start, QColor(250, 128, 0));
    EXPECT_EQ(dialog.GetColor(), RGB(1, 2, 3));
    owner.DestroyWindow();
}

}  // namespace
