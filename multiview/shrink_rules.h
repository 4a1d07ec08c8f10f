// The rules of the batch shrink apart from its dialog: the choices it keeps
// in the settings, the names and paths of the output files, the size of each
// reduced image, how the width and height follow the reference size, which
// controls are enabled, and the notices. No window, no drawing.
#pragma once

#include "platform/types/types.h"

#include <QString>
#include <optional>

// The run state shared by the dialog and its worker.
enum StretchRunState : BYTE {
    kStretchIdle = 1,
    kStretchRunning = 2,
    kStretchStopRequested = 3,
    kStretchStopped = 4,
    kStretchFinished = 5,
    kStretchDiskLow = 6,
    // The free space of the output folder could not be asked: the run ended
    // without knowing whether the files fit.
    kStretchFreeSpaceUnknown = 7,
};

// Output formats (the image file type codes).
inline constexpr int kShrinkBmp = 1;
inline constexpr int kShrinkJpeg = 2;
inline constexpr int kShrinkPng = 5;

// The smallest width and height of the size mode, and the fixed text's limit.
inline constexpr int kShrinkMinSide = 10;
inline constexpr int kShrinkFixedTextChars = 24;
// An output path of this many characters or more is not written.
inline constexpr int kShrinkPathLimit = 260;

// The five steps as the dialog holds them; the section "[-Small Image-]".
struct ShrinkChoices {
    int allImages = 1;  // step 1: 1 all selected images, 0 the ticked sizes
    int ratioMode = 1;  // step 2: 1 by percentage, 0 by width and height
    int ratio = 50;
    int width = 640;
    int height = 480;
    int format = kShrinkJpeg;  // step 3
    int quality = 85;
    int interpolation = 1;
    int sameFolder = 1;  // step 4
    int moveFolder = 0;
    QString outputFolder;  // ends with '/'
    int keepName = 0;      // step 5
    int fixedText = 1;
    int front = 1;
    int zeroFill = 1;
    int overwrite = 0;
    QString text;
};
ShrinkChoices ShrinkChoicesFromSettings();
void StoreShrinkChoices(const ShrinkChoices& choices);

// "bmp", "png", or "jpg" for any other format.
QString ShrinkExtension(int format);
// The serial number k, filled on the left with "0" to the digits of count
// when zeroFill.
QString ShrinkSerial(int k, int count, bool zeroFill);
// The output name of the k-th file (from 1) of count, whose name without
// extension is stem.
QString ShrinkOutputName(const QString& stem, int k, int count, const ShrinkChoices& c);
// The example the naming step shows: the name the first file would get.
QString ShrinkExampleName(const QString& stem, int count, const ShrinkChoices& c);
// folder (no trailing '/') or the chosen output folder (with '/'), and name.
QString ShrinkOutputPath(const QString& shownFolder, const ShrinkChoices& c, const QString& name);
// The name without its extension.
QString ShrinkStem(const QString& fileName);

// The reduced size of an image; none when the image is narrower or lower
// than the fixed size of the size mode.
std::optional<SIZE> ShrinkTargetSize(SIZE image, const ShrinkChoices& c);
// The percentage's result on the reference size, each side at least 1.
SIZE RatioSize(SIZE reference, int ratio);
int ClampRatio(int ratio);

// The width and height fitted to the first size pair when the reference
// size (or the pairs) change.
SIZE FitShrinkSize(SIZE reference, SIZE first, SIZE current);
// A typed width (or height) applied: clamped to 10 .. the reference side,
// the other side derived by the reference's aspect ratio, and a derived
// height below 10 raised the same way.
SIZE ApplyTypedWidth(int typed, SIZE reference, SIZE current);
SIZE ApplyTypedHeight(int typed, SIZE reference, SIZE current);

// Which of the dialog's controls are enabled (and shown) for the choices.
struct ShrinkEnables {
    bool ratioControls = false;  // percentage, up-downs, the two size values
    bool sizeEdits = false;      // width and height
    bool quality = false;        // slider and its labels
    bool folderControls = false;
    bool namingControls = false;  // fixed/serial, front/back
    bool exampleShown = false;
    bool fixedTextEdit = false;
    bool zeroFill = false;
    bool overwriteEnabled = false;
    bool overwriteForced = false;  // keep name in the same folder
};
ShrinkEnables ShrinkEnablesFor(const ShrinkChoices& c);

// The notice line at opening.
struct ShrinkNotice {
    QString text;
    bool warning = false;  // red and asked once in a message box
};
ShrinkNotice ShrinkNoticeFor(int sizeKinds, bool sameAspect);
// The label of a size check box: "%d×%d (%d ﾌｧｲﾙ)" or "--:--".
QString ShrinkSizeLabel(SIZE size, int count);
QString SizeText(SIZE size);

// A refusal of the fixed text as the rename dialog refuses an added text;
// empty when the text serves.
QString ShrinkFixedTextRefusal(const QString& text);
// Whether the estimated bytes leave the output drive too little room.
bool IsShrinkDiskLow(ULONGLONG estimateBytes, DWORD freeMB);
