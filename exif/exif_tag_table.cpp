#include "exif/exif_tag_table.h"

#include "exif/exif_tag_descriptions.h"

#include <algorithm>
#include <iterator>

namespace {

// The order of the lines in the EXIF information window.
constexpr WORD kLineOrder[] = {306, 270, 271, 272, 305, 315, 33432, 36864, 37121, 37500, 37510, 40964, 36867,
    36868, 33434, 33437, 34850, 37377, 37378, 37379, 37380, 37381, 37382, 37383, 37384, 37385, 37386, 41483,
    41493, 41495, 41986, 41987, 41988, 41989, 41990, 41991, 41992, 41993, 41994, 41995, 41996, 42016, 42032,
    42033, 42034, 42035, 42036, 42037, 0, 1, 5, 7, 8, 18, 19, 27, 28, 29};

}  // namespace

CExifTagTable::CExifTagTable(const ExifTagMask& showMask, const ExifTagMask& clearMask)
{
    m_items.reserve(static_cast<size_t>(KnownExifTagCount()));
    for (WORD tag : kLineOrder) {
        m_items.push_back({tag, static_cast<BYTE>(IsExifTagToClear(tag, showMask)),
            static_cast<BYTE>(IsExifTagToClear(tag, clearMask))});
    }
    for (int i = 0; i < KnownExifTagCount(); ++i) {
        const WORD tag = KnownExifTagAt(i);
        if (std::find(std::begin(kLineOrder), std::end(kLineOrder), tag) == std::end(kLineOrder))
            m_items.push_back({tag, 0, 0});
    }
}

int CExifTagTable::CountSelected() const
{
    return static_cast<int>(
        std::count_if(m_items.begin(), m_items.end(), [](const Item& i) { return i.show; }));
}
