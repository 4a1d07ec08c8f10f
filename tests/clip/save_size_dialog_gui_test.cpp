// The save-size dialog: what it opens with, the checks when a box loses the
// focus (with the message box scripted), Enter and Esc doing nothing, and
// what OK and Cancel write back.
#include "clip/save_size_dialog.h"
#include "core/save_size_globals.h"
#include "core/settings/app_settings.h"
#include "tests/support/modal_script.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/synthetic_input.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

class SaveSizeDialog : public testing::Test {
protected:
    void SetUp() override
    {
        AppSettings.MinSaveSize = 10;
        AppSettings.MaxSaveSizeWidth = 1500;
        AppSettings.MaxSaveSizeHeight = 1000;
        AppSettings.KeepRatioSize = 1;
        g_nSaveSizeWidth = 400;
        g_nSaveSizeHeight = 200;
    }

    static INT_PTR Run(const std::function<void(CDlgSaveImageSize&)>& script)
    {
        CDlgSaveImageSize dialog;
        return RunModalScript(dialog, script);
    }

    static QLineEdit* Box(CDlgSaveImageSize& d, int id)
    {
        return qobject_cast<QLineEdit*>(d.GetDlgItem(id)->GetWidget());
    }
    static QString Shown(CDlgSaveImageSize& d, int id) { return Box(d, id)->text(); }
    // Types into one box, then moves the focus to the other.
    static void TypeAndLeave(CDlgSaveImageSize& d, int id, const QString& text)
    {
        const int other = id == IDC_SAVE_SIZE_HEIGHT ? IDC_SAVE_SIZE_WIDTH : IDC_SAVE_SIZE_HEIGHT;
        Box(d, id)->setFocus();
        PumpUntil([&] { return Box(d, id)->hasFocus(); }, 500);
        Box(d, id)->setText(text);
        Box(d, other)->setFocus();
        PumpFor(5);
    }
    static void Click(CDlgSaveImageSize& d, int id)
    {
        MouseClick(d.GetDlgItem(id)->GetWidget(), QPoint(5, 5));
    }
};

TEST_F(SaveSizeDialog, OpensWithTheSizeAndOkWritesItBack)
{
    bool checked = false;
    QString height, width;
    const INT_PTR result = Run([&](CDlgSaveImageSize& d) {
        checked = d.IsDlgButtonChecked(IDC_SAVE_SIZE_KEEP_RATIO) == 1;
        height = Shown(d, IDC_SAVE_SIZE_HEIGHT);
        width = Shown(d, IDC_SAVE_SIZE_WIDTH);
        TypeAndLeave(d, IDC_SAVE_SIZE_HEIGHT, QStringLiteral("300"));
        Click(d, IDC_SAVE_SIZE_KEEP_RATIO);
        Click(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(checked);
    EXPECT_EQ(height, QStringLiteral("200"));
    EXPECT_EQ(width, QStringLiteral("400"));
    EXPECT_EQ(g_nSaveSizeHeight, 300);
    EXPECT_EQ(g_nSaveSizeWidth, 600);  // followed the height at the ratio 2
    EXPECT_EQ(AppSettings.KeepRatioSize, 0);
}

TEST_F(SaveSizeDialog, OutOfBoundsValuesAreRefusedAndTheOldOnesShownAgain)
{
    struct Case {
        const char* name;
        int keepRatio;
        int box;
        const char* typed;
        const char* height;  // shown after the check
        const char* width;
        const char* message;
    };
    const Case cases[] = {
        {"followed width too wide", 1, IDC_SAVE_SIZE_HEIGHT, "800", "200", "400",
            "指定できる最小サイズは 10, 最大サイズは 1500 までです。"},
        {"height below minimum, ratio on", 1, IDC_SAVE_SIZE_HEIGHT, "5", "200", "400",
            "指定できる最小サイズは 10, 最大サイズは 1000 までです。"},
        {"height below minimum, ratio off", 0, IDC_SAVE_SIZE_HEIGHT, "5", "200", "400",
            "指定できる最小サイズは 10, 最大サイズは 1000 までです。"},
        {"width above maximum", 0, IDC_SAVE_SIZE_WIDTH, "1501", "200", "400",
            "指定できる最小サイズは 10, 最大サイズは 1500 までです。"},
        {"height in bounds, ratio off", 0, IDC_SAVE_SIZE_HEIGHT, "999", "999", "400", nullptr},
    };
    for (const Case& c : cases) {
        AppSettings.KeepRatioSize = c.keepRatio;
        ScriptedMessageBoxes boxes;
        QString height, width;
        const INT_PTR result = Run([&](CDlgSaveImageSize& d) {
            TypeAndLeave(d, c.box, QString::fromLatin1(c.typed));
            height = Shown(d, IDC_SAVE_SIZE_HEIGHT);
            width = Shown(d, IDC_SAVE_SIZE_WIDTH);
            Click(d, IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL) << c.name;
        EXPECT_EQ(height, QString::fromLatin1(c.height)) << c.name;
        EXPECT_EQ(width, QString::fromLatin1(c.width)) << c.name;
        if (c.message)
            EXPECT_EQ(boxes.Texts(), QStringList{QString::fromUtf8(c.message)}) << c.name;
        else
            EXPECT_TRUE(boxes.Texts().isEmpty()) << c.name;
        // Cancel leaves the size and the setting.
        EXPECT_EQ(g_nSaveSizeHeight, 200) << c.name;
        EXPECT_EQ(g_nSaveSizeWidth, 400) << c.name;
        EXPECT_EQ(AppSettings.KeepRatioSize, c.keepRatio) << c.name;
    }
}

TEST_F(SaveSizeDialog, AnEmptyBoxBringsTheOldValueBack)
{
    ScriptedMessageBoxes boxes;
    QString height;
    Run([&](CDlgSaveImageSize& d) {
        TypeAndLeave(d, IDC_SAVE_SIZE_HEIGHT, QString());
        height = Shown(d, IDC_SAVE_SIZE_HEIGHT);
        Click(d, IDOK);
    });
    EXPECT_EQ(boxes.Texts().size(), 1);  // the exchange's own message
    EXPECT_EQ(height, QStringLiteral("200"));
    EXPECT_EQ(g_nSaveSizeHeight, 200);
}

TEST_F(SaveSizeDialog, EnterAndEscDoNothing)
{
    bool open = false;
    const INT_PTR result = Run([&](CDlgSaveImageSize& d) {
        KeyClick(Box(d, IDC_SAVE_SIZE_HEIGHT), Qt::Key_Return, QStringLiteral("\r"));
        KeyClick(Box(d, IDC_SAVE_SIZE_HEIGHT), Qt::Key_Escape);
        PumpFor(10);
        open = d.GetWidget() && d.GetWidget()->isVisible();
        Click(d, IDCANCEL);
    });
    EXPECT_TRUE(open);
    EXPECT_EQ(result, IDCANCEL);
}

}  // namespace
