#include "exif/exif_tag_table.h"

#include "exif/exif_tag_descriptions.h"

#include <algorithm>

CExifTagTable::CExifTagTable(const ExifTagMask& showMask, const ExifTagMask& clearMask)
{
    m_items.reserve(static_cast<size_t>(KnownExifTagCount()));
    std::vector<const ExifSelectableTag*> selectable;
    for (const ExifSelectableTag& t : ExifSelectableTags())
        selectable.push_back(&t);
    std::sort(selectable.begin(), selectable.end(),
        [](const ExifSelectableTag* a, const ExifSelectableTag* b) { return a->line < b->line; });
    for (const ExifSelectableTag* t : selectable) {
        m_items.push_back({t->tag, static_cast<BYTE>(IsExifTagToClear(t->tag, showMask)),
            static_cast<BYTE>(IsExifTagToClear(t->tag, clearMask))});
    }
    for (int i = 0; i < KnownExifTagCount(); ++i) {
        const WORD tag = KnownExifTagAt(i);
        if (!FindExifSelectableTag(tag))
            m_items.push_back({tag, 0, 0});
    }
}

int CExifTagTable::CountSelected() const
{
    return static_cast<int>(
        std::count_if(m_items.begin(), m_items.end(), [](const Item& i) { return i.show; }));
}
