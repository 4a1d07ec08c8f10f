// The JPEG-quality dialog: the edit's parse and range rules, Enter keeping
// the old value, Esc keeping the dialog open, the check box acting at once.
#include "core/settings/app_settings.h"
#include "imaging/jpeg_quality_dialog.h"
#include "platform/controls/controls.h"
#include "tests/support/modal_script.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/synthetic_input.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>
#include <QTimer>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace {

class JpegQualityDialog : public testing::Test {
protected:
    void SetUp() override
    {
        AppSettings.JpegQuality = 75;
        AppSettings.ShowQualityDlg = 1;
    }

    INT_PTR Run(const std::function<void(CDlgJpegQuality&)>& script)
    {
        CDlgJpegQuality dialog;
        return RunModalScript(dialog, script);
    }

    static QLineEdit* Edit(CDlgJpegQuality& d)
    {
        return qobject_cast<QLineEdit*>(d.GetDlgItem(CDlgJpegQuality::kEdit)->GetWidget());
    }
    static QSlider* Slider(CDlgJpegQuality& d)
    {
        return qobject_cast<QSlider*>(d.GetDlgItem(CDlgJpegQuality::kSlider)->GetWidget());
    }
    // Types text into the edit, then moves the focus away from it.
    static void TypeAndLeave(CDlgJpegQuality& d, const QString& text)
    {
        Edit(d)->setFocus();
        PumpUntil([&] { return Edit(d)->hasFocus(); }, 500);
        Edit(d)->setText(text);
        Slider(d)->setFocus();  // a refused text takes the focus back to the edit
        PumpFor(5);
    }
    static void ClickOk(CDlgJpegQuality& d) { MouseClick(d.GetDlgItem(IDOK)->GetWidget(), QPoint(5, 5)); }
};

TEST_F(JpegQualityDialog, OpensWithTheSettingsAndTheCaptionWithoutCloseBox)
{
    QString caption;
    bool closeBox = true;
    int sliderPos = 0, sliderMin = 0, sliderMax = 0;
    QString shown;
    bool checked = false;
    const INT_PTR result = Run([&](CDlgJpegQuality& d) {
        caption = d.GetWidget()->windowTitle();
        closeBox = d.GetWidget()->windowFlags().testFlag(Qt::WindowCloseButtonHint);
        sliderPos = Slider(d)->value();
        sliderMin = Slider(d)->minimum();
        sliderMax = Slider(d)->maximum();
        shown = Edit(d)->text();
        checked = d.IsDlgButtonChecked(CDlgJpegQuality::kAlwaysAsk) == 1;
        PumpFor(10);
        d.GetWidget()->grab().save(QStringLiteral(KESTREL_BINARY_DIR "/jpeg_quality_dialog.png"));
        ClickOk(d);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(caption, QStringLiteral("Jpeg保存の品質指定"));
    EXPECT_FALSE(closeBox);
    EXPECT_EQ(sliderPos, 75);
    EXPECT_EQ(sliderMin, 1);
    EXPECT_EQ(sliderMax, 100);
    EXPECT_EQ(shown, QStringLiteral("75"));
    EXPECT_TRUE(checked);
    EXPECT_EQ(AppSettings.JpegQuality, 75);
}

TEST_F(JpegQualityDialog, LeavingTheEditClampsOrRefusesTheNumber)
{
    struct Case {
        const char* typed;
        int expected;  // the quality after leaving the edit and pressing OK
        bool refused;
    };
    const Case cases[] = {
        {"0", 1, false},
        {"250", 100, false},
        {"42", 42, false},
        {" 7 ", 7, false},
        {"300", 75, true},
        {"abc", 75, true},
        {"-3", 75, true},
    };
    for (const Case& c : cases) {
        AppSettings.JpegQuality = 75;
        ScriptedMessageBoxes boxes;
        int sliderAfter = 0;
        QString editAfter;
        const INT_PTR result = Run([&](CDlgJpegQuality& d) {
            TypeAndLeave(d, QString::fromLatin1(c.typed));
            sliderAfter = Slider(d)->value();
            editAfter = Edit(d)->text();
            ClickOk(d);
        });
        EXPECT_EQ(result, IDOK) << c.typed;
        EXPECT_EQ(AppSettings.JpegQuality, c.expected) << c.typed;
        EXPECT_EQ(sliderAfter, c.expected) << c.typed;
        EXPECT_EQ(editAfter, QString::number(c.expected)) << c.typed;
        if (c.refused) {
            ASSERT_FALSE(boxes.Texts().isEmpty()) << c.typed;
            EXPECT_EQ(boxes.Texts().first(), DataExchangeByteMessage());
        } else {
            EXPECT_TRUE(boxes.Texts().isEmpty()) << c.typed;
        }
    }
}

TEST_F(JpegQualityDialog, EnterStoresTheValueHeldBeforeTheTyping)
{
    const INT_PTR result = Run([&](CDlgJpegQuality& d) {
        Edit(d)->setFocus();
        PumpUntil([&] { return Edit(d)->hasFocus(); }, 500);
        Edit(d)->setText(QStringLiteral("30"));
        KeyClick(Edit(d), Qt::Key_Return, QStringLiteral("\r"));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(AppSettings.JpegQuality, 75);
}

TEST_F(JpegQualityDialog, EscKeepsItOpenAndTheCheckBoxActsAtOnce)
{
    bool openAfterEsc = false;
    int settingAfterClick = -1;
    bool boxAfterClick = true;
    int sliderValue = 0;
    QString editAfterSlide;
    const INT_PTR result = Run([&](CDlgJpegQuality& d) {
        KeyClick(Edit(d), Qt::Key_Escape);
        d.SendMessage(WM_CLOSE);
        PumpFor(10);
        openAfterEsc = d.GetWidget() && d.GetWidget()->isVisible();
        MouseClick(d.GetDlgItem(CDlgJpegQuality::kAlwaysAsk)->GetWidget(), QPoint(5, 5));
        settingAfterClick = AppSettings.ShowQualityDlg;
        boxAfterClick = d.IsDlgButtonChecked(CDlgJpegQuality::kAlwaysAsk) == 1;
        // The slider moved by the user shows in the edit at once.
        Slider(d)->triggerAction(QAbstractSlider::SliderPageStepAdd);
        sliderValue = Slider(d)->value();
        editAfterSlide = Edit(d)->text();
        ClickOk(d);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(openAfterEsc);
    EXPECT_EQ(settingAfterClick, 0);
    EXPECT_FALSE(boxAfterClick);
    EXPECT_EQ(AppSettings.ShowQualityDlg, 0);
    EXPECT_EQ(sliderValue, 80);
    EXPECT_EQ(editAfterSlide, QStringLiteral("80"));
    EXPECT_EQ(AppSettings.JpegQuality, 80);
}

TEST(JpegQualityRule, ClampsToOneThroughHundred)
{
    EXPECT_EQ(ClampJpegQuality(0), 1);
    EXPECT_EQ(ClampJpegQuality(1), 1);
    EXPECT_EQ(ClampJpegQuality(100), 100);
    EXPECT_EQ(ClampJpegQuality(255), 100);
}

}  // namespace

namespace {

TEST_F(JpegQualityDialog, AskedFromAWorkerTheUiThreadRunsIt)
{
    std::atomic<bool> done{false};
    INT_PTR result = 0;
    // The dialog's loop runs on this thread: the OK click comes from a timer inside it.
    QTimer clicker;
    QObject::connect(&clicker, &QTimer::timeout, [] {
        QWidget* shown = QApplication::activeModalWidget();
        if (!shown)
            return;
        for (auto* button : shown->findChildren<QAbstractButton*>())
            if (button->text() == QStringLiteral("OK"))
                MouseClick(button, QPoint(5, 5));
    });
    clicker.start(10);
    std::thread worker([&] {
        CDlgJpegQuality dialog;
        result = dialog.DoModal();
        done = true;
    });
    EXPECT_TRUE(PumpUntil([&] { return done.load(); }));
    worker.join();
    EXPECT_EQ(result, IDOK);
}

}  // namespace
