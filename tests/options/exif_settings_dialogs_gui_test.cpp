// The EXIF display settings and EXIF clear settings dialogs: what they show at
// the first use, tag boxes and group buttons writing the process-wide masks at
// once, Cancel putting the masks back, OK storing the rest, and the clear
// dialog's texts when it confirms the multi view's clear.
#include "options/exif_clear_settings_dialog.h"
#include "options/exif_display_settings_dialog.h"
#include "platform/controls/controls.h"
#include "tests/support/modal_script.h"
#include "tests/support/synthetic_input.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

class ExifSettingsDialogs : public testing::Test {
protected:
    void SetUp() override
    {
        ExifDisplaySettings = ExifDisplaySettingsRecord{};
        ExifClearSettings = ExifClearSettingsRecord{};
        g_nExifClearResult = 0;
    }
    void TearDown() override { SetUp(); }

    static void Click(CWnd& d, int id) { MouseClick(d.GetDlgItem(id)->GetWidget(), QPoint(5, 5)); }
    // The tag boxes of the dialog that are checked.
    static int CheckedTagBoxes(CWnd& d, ExifTagDialog kind)
    {
        int checked = 0;
        for (const ExifSelectableTag& tag : ExifSelectableTags())
            checked += d.IsDlgButtonChecked(ExifBoxOfTag(kind, tag)) == 1 ? 1 : 0;
        return checked;
    }
};

TEST_F(ExifSettingsDialogs, DisplayFirstUseThenOkKeepsTheUnchosenFontSize)
{
    int checkedTags = -1;
    UINT click = 9, mouse = 9, decimal = 9, remember = 9;
    int fontPosition = 0;
    CDlgOpOptionExif dialog;
    const INT_PTR result = RunModalScript<CDlgOpOptionExif>(dialog, [&](CDlgOpOptionExif& d) {
        checkedTags = CheckedTagBoxes(d, ExifTagDialog::Display);
        click = d.IsDlgButtonChecked(IDC_EXIFVIEW_TARGET_CLICK);
        mouse = d.IsDlgButtonChecked(IDC_EXIFVIEW_TARGET_MOUSE);
        decimal = d.IsDlgButtonChecked(IDC_EXIFVIEW_GPS_DECIMAL);
        fontPosition = dynamic_cast<CSliderCtrl*>(d.GetDlgItem(IDC_EXIFVIEW_FONT_SIZE))->GetPos();
        Click(d, 1386);  // the lens line
        Click(d, IDC_EXIFVIEW_TARGET_MOUSE);
        Click(d, IDC_EXIFVIEW_REMEMBER_POSITION);
        remember = d.IsDlgButtonChecked(IDC_EXIFVIEW_REMEMBER_POSITION);
        Click(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(checkedTags, 0);
    EXPECT_EQ(click, 0u);
    EXPECT_EQ(mouse, 0u);
    EXPECT_EQ(decimal, 1u);
    EXPECT_EQ(fontPosition, 8);
    EXPECT_EQ(remember, 1u);
    EXPECT_EQ(CountExifClearTags(ExifDisplaySettings.mask), 1);
    EXPECT_EQ(IsExifTagToClear(42034, ExifDisplaySettings.mask), 1);
    EXPECT_EQ(ExifDisplaySettings.target, 2);
    EXPECT_EQ(ExifDisplaySettings.rememberPosition, 1u);
    EXPECT_EQ(ExifDisplaySettings.fontSize, 0);
}

// Tags and the GPS format change at once; Cancel puts both back and stores
// nothing else.
TEST_F(ExifSettingsDialogs, DisplayCancelRestoresTheTagsAndTheGpsFormat)
{
    SetExifClearTag(306, 1, ExifDisplaySettings.mask);
    const ExifTagMask before = ExifDisplaySettings.mask;
    int gpsChecked = -1, whileOpen = -1;
    DWORD formatWhileOpen = 9;
    CDlgOpOptionExif dialog;
    const INT_PTR result = RunModalScript<CDlgOpOptionExif>(dialog, [&](CDlgOpOptionExif& d) {
        Click(d, IDC_EXIFVIEW_GPS_ALL);
        gpsChecked = CheckedTagBoxes(d, ExifTagDialog::Display);
        Click(d, 1123);  // file date off
        whileOpen = CountExifClearTags(ExifDisplaySettings.mask);
        Click(d, IDC_EXIFVIEW_GPS_SEXAGESIMAL);
        formatWhileOpen = ExifDisplaySettings.gpsFormat;
        Click(d, IDC_EXIFVIEW_TARGET_CLICK);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(gpsChecked, 11);  // the ten GPS boxes and the file date
    EXPECT_EQ(whileOpen, 10);
    EXPECT_EQ(formatWhileOpen, 1u);
    EXPECT_EQ(ExifDisplaySettings.mask, before);
    EXPECT_EQ(ExifDisplaySettings.gpsFormat, 0u);
    EXPECT_EQ(ExifDisplaySettings.target, 0);
}

TEST_F(ExifSettingsDialogs, ClearFirstUseFromTheMenuThenCancelKeepsTheMask)
{
    SetExifClearTag(33434, 1, ExifClearSettings.mask);
    const ExifTagMask before = ExifClearSettings.mask;
    int checkedTags = -1, whileOpen = -1;
    UINT zero = 9, one = 9, show = 9;
    QString caption, ok;
    CDlgOpOptionExifClear dialog;
    const INT_PTR result = RunModalScript<CDlgOpOptionExifClear>(dialog, [&](CDlgOpOptionExifClear& d) {
        checkedTags = CheckedTagBoxes(d, ExifTagDialog::Clear);
        zero = d.IsDlgButtonChecked(IDC_EXIFCLEAR_VALUE_ZERO);
        one = d.IsDlgButtonChecked(IDC_EXIFCLEAR_VALUE_ONE);
        show = d.IsDlgButtonChecked(IDC_EXIFCLEAR_SHOW_DIALOG);
        caption = d.GetWindowText();
        d.GetDlgItemText(IDOK, ok);
        Click(d, IDC_EXIFCLEAR_CAMERA_ALL);
        Click(d, 1464);  // GPS date
        whileOpen = CountExifClearTags(ExifClearSettings.mask);
        Click(d, IDC_EXIFCLEAR_VALUE_ZERO);
        Click(d, IDC_EXIFCLEAR_SHOW_DIALOG);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(checkedTags, 1);
    EXPECT_EQ(zero, 0u);
    EXPECT_EQ(one, 1u);
    EXPECT_EQ(show, 0u);
    EXPECT_EQ(caption, QStringLiteral("Exif情報クリア設定"));
    EXPECT_EQ(ok, QStringLiteral("OK"));
    EXPECT_EQ(whileOpen, 23);
    EXPECT_EQ(ExifClearSettings.mask, before);
    EXPECT_EQ(ExifClearSettings.clearValue, 0u);
    EXPECT_EQ(ExifClearSettings.showDialog, 0u);
}

TEST_F(ExifSettingsDialogs, ClearForTheClearButtonAsksForTheTagsAndOkStoresTheChoice)
{
    g_nExifClearResult = 2;
    QString caption, ok;
    CDlgOpOptionExifClear dialog;
    const INT_PTR result = RunModalScript<CDlgOpOptionExifClear>(dialog, [&](CDlgOpOptionExifClear& d) {
        caption = d.GetWindowText();
        d.GetDlgItemText(IDOK, ok);
        Click(d, 1430);  // exposure time
        Click(d, IDC_EXIFCLEAR_VALUE_ZERO);
        Click(d, IDC_EXIFCLEAR_SHOW_DIALOG);
        Click(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(caption, QStringLiteral("クリアするExif情報の項目を選択して下さい"));
    EXPECT_EQ(ok, QStringLiteral("クリア実行"));
    EXPECT_EQ(CountExifClearTags(ExifClearSettings.mask), 1);
    EXPECT_EQ(IsExifTagToClear(33434, ExifClearSettings.mask), 1);
    EXPECT_EQ(ExifClearSettings.clearValue, 1u);
    EXPECT_EQ(ExifClearSettings.showDialog, 1u);
}

}  // namespace
