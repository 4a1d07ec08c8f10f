// A window's button pictures: loaded once for the icon scale, shown on its
// buttons by index, and let go of by every button before they are freed.
#pragma once

#include "platform/gdi/gdi_objects.h"

#include <QHash>
#include <functional>
#include <vector>

class CWnd;

class CButtonPictures {
public:
    // Loads count pictures; idOf gives picture i's resource id, load makes
    // the bitmap of an id (null when it cannot be had).
    void Load(
        int count, const std::function<int(int index)>& idOf, const std::function<HBITMAP(int id)>& load);
    // Shows picture index on the owner's button (a button control).
    void Show(CWnd& owner, int button, int index);
    // Each button the owner showed a picture on lets go of it, then the
    // pictures are freed.
    void Free(CWnd& owner);
    // The resource id of the picture the button shows, 0 for none.
    int ShownId(int button) const { return m_shown.value(button, 0); }

private:
    std::vector<HBITMAP> m_images;
    std::vector<int> m_ids;
    QHash<int, int> m_shown;  // button id -> resource id of its picture
};
