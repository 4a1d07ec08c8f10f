// A cache from icons to slots of a tree's image list: each icon, named by its
// theme name (or another stable key), is copied into the list once and its
// slot handed out again for the same key. Each slot has a used flag, so a
// free slot is never confused with one that holds an icon.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

class CImageList;

class CIconSlotMap {
public:
    // Slots first..last of the list (not owned), all free.
    CIconSlotMap(CImageList* list, int firstSlot, int lastSlot);

    // The slot of the icon: 0 for a null icon or an empty key; the slot that
    // already holds the key; else the icon is copied into the first free slot
    // and that slot is returned; 0 when every slot is taken.
    int AddIcon(const QString& key, const QImage& icon);
    // The slot holding the key, or 0.
    int FindKey(const QString& key) const;
    int FirstSlot() const { return m_first; }
    int LastSlot() const { return m_last; }
    int UsedCount() const;

private:
    CImageList* m_list;
    int m_first;
    int m_last;
    std::vector<QString> m_keys;  // per slot from the first
    std::vector<bool> m_used;
};
