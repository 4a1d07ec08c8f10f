// The settings the image readers and writers consult, read in one place.
// The UI thread reads them as they stand. A worker must not read settings
// that an option dialog may rewrite meanwhile: whoever starts it takes a
// snapshot on the UI thread (CurrentImageSettings) and the worker installs
// it for its run (ImageSettingsSnapshotScope); the routines below then answer from it.
#pragma once

#include "platform/types/types.h"

struct ImageSettings {
    int maxWidth = 0;
    int maxHeight = 0;
    int bmpDpi = 0;
    bool forceSaveDpi = false;
    int jpegQuality = 0;
    bool showQualityDlg = false;
};

// The settings as they stand now (UI thread).
ImageSettings CurrentImageSettings();

// Makes a snapshot the one this thread's image routines use until the scope
// ends; scopes nest.
class ImageSettingsSnapshotScope {
public:
    explicit ImageSettingsSnapshotScope(const ImageSettings& snapshot);
    ~ImageSettingsSnapshotScope();
    ImageSettingsSnapshotScope(const ImageSettingsSnapshotScope&) = delete;
    ImageSettingsSnapshotScope& operator=(const ImageSettingsSnapshotScope&) = delete;

private:
    ImageSettings m_snapshot;
    const ImageSettings* m_previous;
};

// The largest image the program handles (inclusive limits).
int ImageSettingMaxWidth();
int ImageSettingMaxHeight();
// Resolution written into new and loaded images, and whether loaded BMP files
// take it in place of their own.
int ImageSettingBmpDpi();
bool ImageSettingForceSaveDpi();
// JPEG quality 1..100 and whether the quality dialog is asked before a save.
int ImageSettingJpegQuality();
bool ImageSettingShowQualityDlg();
// dots per inch x 39.37007874015748, rounded (an exact half upwards).
LONG ImageDpiToPixelsPerMeter(int dpi);
