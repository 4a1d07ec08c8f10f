#include "imaging/image_settings.h"

#include "core/settings/app_settings.h"
#include "core/system_figures.h"

int ImageSettingMaxWidth()
{
    return AppSettings.MaxSaveSizeWidth;
}

int ImageSettingMaxHeight()
{
    return AppSettings.MaxSaveSizeHeight;
}

int ImageSettingBmpDpi()
{
    return static_cast<int>(AppSettings.BMP_dpi);
}

bool ImageSettingForceSaveDpi()
{
    return AppSettings.ForceSave_dpi == 1;
}

int ImageSettingJpegQuality()
{
    return AppSettings.JpegQuality;
}

bool ImageSettingShowQualityDlg()
{
    return AppSettings.ShowQualityDlg == 1;
}

LONG ImageDpiToPixelsPerMeter(int dpi)
{
    return DpiToPixelsPerMeter(dpi);
}
