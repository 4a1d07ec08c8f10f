#include "imaging/jpeg_quality_ask.h"

#include "core/settings/app_settings.h"
#include "imaging/image_settings.h"
#include "imaging/jpeg_quality_dialog.h"
#include "platform/window/ui_thread.h"

#include <QCoreApplication>

int AskJpegQuality()
{
    // The dialog is a window: it can only be shown by the UI thread. A save on
    // a worker thread takes the setting as it stands.
    if (ImageSettingShowQualityDlg() && QCoreApplication::instance() != nullptr && IsUiThread()) {
        CDlgJpegQuality dialog;
        dialog.DoModal();
    }
    return ImageSettingJpegQuality();
}
