#include "options/exif_tag_boxes.h"

#include "res/dialog_310_exif_display_settings.h"
#include "res/dialog_311_exif_clear_settings.h"

namespace {

struct GroupButtonRow {
    int id;
    ExifGroupButton button;
};

constexpr GroupButtonRow kDisplayButtons[] = {
    {IDC_EXIFVIEW_CAMERA_ALL, {ExifTagGroup::CameraAndImage, 1}},
    {IDC_EXIFVIEW_CAMERA_NONE, {ExifTagGroup::CameraAndImage, 0}},
    {IDC_EXIFVIEW_SHOOTING_ALL, {ExifTagGroup::ShootingConditions, 1}},
    {IDC_EXIFVIEW_SHOOTING_NONE, {ExifTagGroup::ShootingConditions, 0}},
    {IDC_EXIFVIEW_GPS_ALL, {ExifTagGroup::Gps, 1}},
    {IDC_EXIFVIEW_GPS_NONE, {ExifTagGroup::Gps, 0}},
};

constexpr GroupButtonRow kClearButtons[] = {
    {IDC_EXIFCLEAR_CAMERA_ALL, {ExifTagGroup::CameraAndImage, 1}},
    {IDC_EXIFCLEAR_CAMERA_NONE, {ExifTagGroup::CameraAndImage, 0}},
    {IDC_EXIFCLEAR_SHOOTING_ALL, {ExifTagGroup::ShootingConditions, 1}},
    {IDC_EXIFCLEAR_SHOOTING_NONE, {ExifTagGroup::ShootingConditions, 0}},
    {IDC_EXIFCLEAR_GPS_ALL, {ExifTagGroup::Gps, 1}},
    {IDC_EXIFCLEAR_GPS_NONE, {ExifTagGroup::Gps, 0}},
};

}  // namespace

int ExifBoxOfTag(ExifTagDialog dialog, const ExifSelectableTag& tag)
{
    return dialog == ExifTagDialog::Display ? tag.displayId : tag.clearId;
}

const ExifSelectableTag* ExifTagOfBox(ExifTagDialog dialog, int id)
{
    for (const ExifSelectableTag& tag : ExifSelectableTags())
        if (ExifBoxOfTag(dialog, tag) == id)
            return &tag;
    return nullptr;
}

std::optional<ExifGroupButton> ExifGroupButtonOf(ExifTagDialog dialog, int id)
{
    const auto& rows = dialog == ExifTagDialog::Display ? kDisplayButtons : kClearButtons;
    for (const GroupButtonRow& row : rows)
        if (row.id == id)
            return row.button;
    return std::nullopt;
}

bool ApplyExifTagBox(ExifTagDialog dialog, int id, bool checked, ExifTagMask& mask)
{
    const ExifSelectableTag* tag = ExifTagOfBox(dialog, id);
    if (!tag)
        return false;
    SetExifClearTag(tag->tag, checked ? 1 : 0, mask);
    return true;
}

void SetExifTagGroup(const ExifGroupButton& button, ExifTagMask& mask)
{
    switch (button.group) {
    case ExifTagGroup::CameraAndImage:
        SetExifClearCameraGroup(button.on, mask);
        return;
    case ExifTagGroup::ShootingConditions:
        SetExifClearShootingGroup(button.on, mask);
        return;
    case ExifTagGroup::Gps:
        SetExifClearGpsGroup(button.on, mask);
        return;
    }
}
