#include "multiview/icon_slot_map.h"

#include "platform/controls/image_list.h"

#include <algorithm>

CIconSlotMap::CIconSlotMap(CImageList* list, int firstSlot, int lastSlot)
    : m_list(list), m_first(firstSlot), m_last(std::max(firstSlot - 1, lastSlot)),
      m_keys(static_cast<size_t>(m_last - m_first + 1)), m_used(m_keys.size(), false)
{
}

int CIconSlotMap::FindKey(const QString& key) const
{
    if (key.isEmpty())
        return 0;
    for (size_t i = 0; i < m_keys.size(); ++i)
        if (m_used[i] && m_keys[i] == key)
            return m_first + static_cast<int>(i);
    return 0;
}

int CIconSlotMap::AddIcon(const QString& key, const QImage& icon)
{
    if (icon.isNull() || key.isEmpty())
        return 0;
    if (const int slot = FindKey(key))
        return slot;
    const auto freeSlot = std::find(m_used.begin(), m_used.end(), false);
    if (freeSlot == m_used.end())
        return 0;
    const auto i = static_cast<size_t>(freeSlot - m_used.begin());
    const int slot = m_first + static_cast<int>(i);
    if (m_list) {
        if (m_list->GetImageCount() <= slot)
            m_list->SetImageCount(static_cast<UINT>(slot + 1));
        m_list->Replace(slot, icon);
    }
    m_keys[i] = key;
    m_used[i] = true;
    return slot;
}

int CIconSlotMap::UsedCount() const
{
    return static_cast<int>(std::count(m_used.begin(), m_used.end(), true));
}
