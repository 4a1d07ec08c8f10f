// The 58 EXIF and GPS tags a user can choose to show or to clear, their bits
// in a tag mask, and the two process-wide records that hold the choices.
#pragma once

#include "platform/types/types.h"

#include <span>

// One bit per selectable tag in five words: 0 GPS, 1 image, 2 to 4 Exif.
struct ExifTagMask {
    DWORD words[5] = {0, 0, 0, 0, 0};

    friend bool operator==(const ExifTagMask&, const ExifTagMask&) = default;
};

enum class ExifTagGroup { CameraAndImage, ShootingConditions, Gps };

// One selectable tag: its mask bit, its group, its check box in the display
// settings dialog and the clear settings dialog, and the place of its line
// in the EXIF information window (0 first).
struct ExifSelectableTag {
    WORD tag;
    BYTE word;
    BYTE bit;
    ExifTagGroup group;
    const char16_t* label;
    int displayId;
    int clearId;
    int line;
};

// The 58 tags in the dialogs' order (grouped: camera and image, shooting
// conditions, GPS).
std::span<const ExifSelectableTag> ExifSelectableTags();
// The entry of a tag; null for a tag outside the 58.
const ExifSelectableTag* FindExifSelectableTag(WORD tag);

// The tag's bit in the mask (0 or 1); 0 for a tag outside the 58.
int IsExifTagToClear(WORD tag, const ExifTagMask& mask);
// Sets (on not 0) or clears the tag's bit; a tag outside the 58 changes nothing.
void SetExifClearTag(WORD tag, int on, ExifTagMask& mask);
// Number of set bits among the 58.
int CountExifClearTags(const ExifTagMask& mask);
void SetExifClearGpsGroup(int on, ExifTagMask& mask);
void SetExifClearCameraGroup(int on, ExifTagMask& mask);
void SetExifClearShootingGroup(int on, ExifTagMask& mask);

// What the EXIF information window shows. Not stored; all zero at start.
struct ExifDisplaySettingsRecord {
    ExifTagMask mask;
    DWORD gpsFormat = 0;         // 0 decimal degrees, 1 degrees, minutes and seconds
    DWORD rememberPosition = 0;  // 1: the window keeps where the user put it
    BYTE fontSize = 0;           // list font height in pixels; 0 until first chosen
    BYTE target = 0;             // 1 the clicked image, 2 the image under the cursor
};

// What the multi view clears. Not stored; all zero at start.
struct ExifClearSettingsRecord {
    ExifTagMask mask;
    DWORD showDialog = 0;  // 1: the clear button shows the clear settings first
    DWORD clearValue = 0;  // rationals become 1/1 (0) or 0/1 (1)
};

extern ExifDisplaySettingsRecord ExifDisplaySettings;
extern ExifClearSettingsRecord ExifClearSettings;
// 0 before any use, 2 while the clear dialog runs for the clear button, then
// 10 after OK and 11 after Cancel.
extern BYTE g_nExifClearResult;
