// The tag check boxes and group buttons shared by the EXIF display settings
// and the EXIF clear settings: which tag or group a control stands for. Pure;
// the dialogs only wire these to their controls.
#pragma once

#include "exif/exif_tag_mask.h"

#include <optional>

enum class ExifTagDialog { Display, Clear };

// The tag whose check box has the id in the dialog; null for another control.
const ExifSelectableTag* ExifTagOfBox(ExifTagDialog dialog, int id);
// The id of the tag's check box in the dialog.
int ExifBoxOfTag(ExifTagDialog dialog, const ExifSelectableTag& tag);

// A group's "全てチェック" (on 1) or "全てのチェックを外す" (on 0) button.
struct ExifGroupButton {
    ExifTagGroup group;
    int on;
};
std::optional<ExifGroupButton> ExifGroupButtonOf(ExifTagDialog dialog, int id);

// A click on a tag box: its tag's bit follows the box. False for another control.
bool ApplyExifTagBox(ExifTagDialog dialog, int id, bool checked, ExifTagMask& mask);
// Sets or clears every tag of the group.
void SetExifTagGroup(const ExifGroupButton& button, ExifTagMask& mask);
