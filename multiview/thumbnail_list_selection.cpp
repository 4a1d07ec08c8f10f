// The selection (one byte per file, addressed by display position) and the
// mask test that keeps masked files out of it.
#include "core/settings/app_settings.h"
#include "multiview/thumb_mask.h"
#include "multiview/thumbnail_list.h"

void CThumbnailList::ClearSelection()
{
    auto lock = Lock();
    for (ThumbEntry& t : m_thumbs)
        t.state.selected = 0;
}

int CThumbnailList::GetSelectedCount() const
{
    auto lock = Lock();
    int count = 0;
    for (int f = 0; f < m_fileCount && f < static_cast<int>(m_thumbs.size()); ++f)
        count += m_thumbs[f].state.selected ? 1 : 0;
    return count;
}

int CThumbnailList::HasSelection() const
{
    return GetSelectedCount() > 0 ? 1 : 0;
}

int CThumbnailList::IsSelected(int position) const
{
    auto lock = Lock();
    const WORD file = SortIndexLocked(position);
    return file != kNoFileIndex && file < m_thumbs.size() && m_thumbs[file].state.selected ? 1 : 0;
}

int CThumbnailList::SetSelection(int position, int mode)
{
    auto lock = Lock();
    return SetSelectionLocked(position, mode);
}

int CThumbnailList::SetSelectionLocked(int position, int mode)
{
    const WORD file = SortIndexLocked(position);
    if (file == kNoFileIndex || file >= m_thumbs.size())
        return 0;
    BYTE& selected = m_thumbs[file].state.selected;
    if (mode == 2)
        selected = selected ? 0 : 1;
    else if (mode == 1)
        selected = !m_files[file].name.isEmpty() &&
                !(AppSettings.IncludeMaskFile != 1 && IsHiddenByMasksLocked(file))
            ? 1
            : 0;
    else
        selected = 0;
    return selected;
}

void CThumbnailList::SelectRange(int position, int previousFocus)
{
    auto lock = Lock();
    int other = previousFocus;
    if (other == -1) {
        other = 0;
        bool found = false;
        for (int p = position - 1; p >= 0 && !found; --p) {
            const WORD f = SortIndexLocked(p);
            if (f != kNoFileIndex && f < m_thumbs.size() && m_thumbs[f].state.selected) {
                other = p;
                found = true;
            }
        }
        for (int p = position + 1; p < m_fileCount && !found; ++p) {
            const WORD f = SortIndexLocked(p);
            if (f != kNoFileIndex && f < m_thumbs.size() && m_thumbs[f].state.selected) {
                other = p;
                found = true;
            }
        }
    }
    const int low = std::min(position, other);
    const int high = std::max(position, other);
    for (int p = low; p <= high; ++p)
        SetSelectionLocked(p, 1);
}

int CThumbnailList::ClearSingleSelection()
{
    auto lock = Lock();
    if (GetSelectedCount() > 1)
        return 0;
    ClearSelection();
    return 1;
}

int CThumbnailList::IsMaskedFile(int file) const
{
    if (AppSettings.IncludeMaskFile == 1)
        return 0;  // masked files stay selectable
    auto lock = Lock();
    return IsHiddenByMasksLocked(file);
}

int CThumbnailList::IsHiddenByMasks(int file) const
{
    auto lock = Lock();
    return IsHiddenByMasksLocked(file);
}

int CThumbnailList::IsHiddenByMasksLocked(int file) const
{
    if (file < 0 || file >= static_cast<int>(m_files.size()))
        return 0;
    const bool dateMask = m_mask && m_mask->IsAnyDayMasked();
    const bool rangeMode = AppSettings.IsTMIExtMode == 1;
    if (!dateMask && AppSettings.MaskExt == 0 && !rangeMode)
        return 0;
    int masked = 0;
    if ((dateMask || AppSettings.MaskExt != 0) && m_mask)
        masked = m_mask->IsMasked(m_files[file].time, m_files[file].name);
    if (!masked && rangeMode && m_tally) {
        const int measure = AppSettings.ExtensionMask;
        if (measure >= kMeasureByteSize && measure <= kMeasureNameLength)
            masked = m_tally->IsOutsideRange(GetMeasureValue(file, measure));
    }
    return masked;
}

DWORD CThumbnailList::GetMeasureValue(int file, int measure) const
{
    auto lock = Lock();
    if (file < 0 || file >= static_cast<int>(m_files.size()))
        return 0;
    const FileEntry& f = m_files[file];
    switch (measure) {
    case kMeasureByteSize:
        return f.size;
    case kMeasureImageWidth:
        return f.imageWidth;
    case kMeasureImageHeight:
        return f.imageHeight;
    case kMeasureNameLength:
        return static_cast<DWORD>(f.name.size());
    default:
        return 0;
    }
}
