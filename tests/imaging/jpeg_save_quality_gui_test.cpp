// A JPEG save asks for the quality when the settings say so, and writes with
// the quality the dialog leaves in the settings.
#include "core/settings/app_settings.h"
#include "imaging/jpeg_file.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/pump_until.h"
#include "tests/support/synthetic_input.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

TEST(JpegSaveQuality, TheQualityChosenInTheDialogIsUsed)
{
    ImageSettingsScope settings;
    QTemporaryDir dir;
    CLoadBitmap_for_Dlg source;
    ASSERT_TRUE(FillPatternHolder(&source, 64, 48, 24));
    const QString reference = dir.filePath("q20.jpg");
    ASSERT_EQ(WriteJpegFile(reference, &source.infoHeader, source.bits, 20), kJpegWritten);

    AppSettings.JpegQuality = 90;
    AppSettings.ShowQualityDlg = 1;
    bool dialogSeen = false;
    QTimer::singleShot(0, [&] {
        PumpUntil([] { return QApplication::activeModalWidget() != nullptr; }, 3000);
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr)
            return;
        dialogSeen = true;
        dialog->activateWindow();
        QApplication::setActiveWindow(dialog);
        PumpUntil([&] { return dialog->isActiveWindow(); }, 1000);
        // The user types 20 and leaves the edit, then presses OK.
        auto* edit = dialog->findChild<QLineEdit*>();
        auto* slider = dialog->findChild<QSlider*>();
        edit->setFocus();
        PumpUntil([&] { return edit->hasFocus(); }, 500);
        edit->setText("20");
        slider->setFocus();
        PumpUntil([&] { return slider->hasFocus(); }, 500);
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->text() == "OK")
                MouseClick(button, QPoint(5, 5));
    });
    BYTE code = 0;
    const QString path = dir.filePath("asked.jpg");
    ASSERT_EQ(SaveJpegOrOtherFile(path, SourceOf(source), &code), 1);
    EXPECT_TRUE(dialogSeen);
    EXPECT_EQ(AppSettings.JpegQuality, 20);
    EXPECT_EQ(ReadBytes(path), ReadBytes(reference));
}
