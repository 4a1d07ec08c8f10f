#include "imaging/image_settings.h"

#include "core/settings/app_settings.h"
#include "core/system_figures.h"

namespace {

thread_local const ImageSettings* t_snapshot = nullptr;

// The thread's snapshot, else the settings as they stand.
ImageSettings Settings()
{
    return t_snapshot ? *t_snapshot : CurrentImageSettings();
}

}  // namespace

ImageSettings CurrentImageSettings()
{
    ImageSettings s;
    s.maxWidth = AppSettings.MaxSaveSizeWidth;
    s.maxHeight = AppSettings.MaxSaveSizeHeight;
    s.bmpDpi = static_cast<int>(AppSettings.BMP_dpi);
    s.forceSaveDpi = AppSettings.ForceSave_dpi == 1;
    s.jpegQuality = AppSettings.JpegQuality;
    s.showQualityDlg = AppSettings.ShowQualityDlg == 1;
    return s;
}

ImageSettingsSnapshotScope::ImageSettingsSnapshotScope(const ImageSettings& snapshot)
    : m_snapshot(snapshot), m_previous(t_snapshot)
{
    t_snapshot = &m_snapshot;
}

ImageSettingsSnapshotScope::~ImageSettingsSnapshotScope()
{
    t_snapshot = m_previous;
}

int ImageSettingMaxWidth()
{
    return Settings().maxWidth;
}

int ImageSettingMaxHeight()
{
    return Settings().maxHeight;
}

int ImageSettingBmpDpi()
{
    return Settings().bmpDpi;
}

bool ImageSettingForceSaveDpi()
{
    return Settings().forceSaveDpi;
}

int ImageSettingJpegQuality()
{
    return Settings().jpegQuality;
}

bool ImageSettingShowQualityDlg()
{
    return Settings().showQualityDlg;
}

LONG ImageDpiToPixelsPerMeter(int dpi)
{
    return DpiToPixelsPerMeter(dpi);
}
