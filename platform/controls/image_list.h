// Image lists: a row of equally sized pictures (16 x 16 for small icons)
// that list views draw their rows' images from. Slots hold 32-bit images
// with alpha; an image given at another size is scaled to the slot size.
#pragma once

#include "platform/types/types.h"

#include <QImage>
#include <QList>
#include <QSize>

enum : UINT {
    ILC_MASK = 0x0001,
    ILC_COLOR = 0x0000,
    ILC_COLOR4 = 0x0004,
    ILC_COLOR8 = 0x0008,
    ILC_COLOR16 = 0x0010,
    ILC_COLOR24 = 0x0018,
    ILC_COLOR32 = 0x0020,
};

class CImageList {
public:
    // An empty list of `initial` blank slots' capacity; images are cx x cy.
    // The colour flags are accepted for the caller's sake: slots are always 32-bit.
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL DeleteImageList();
    bool IsCreated() const { return m_created; }
    QSize GetImageSize() const { return m_size; }
    int GetImageCount() const { return static_cast<int>(m_images.size()); }
    // Grows the list with blank slots or drops slots from its end.
    BOOL SetImageCount(UINT count);
    // Appends an image; its slot, or -1 when the list is not created or the image is empty.
    int Add(const QImage& image);
    // Replaces slot `index`; -1 appends. The slot, or -1 when the index is not a slot.
    int Replace(int index, const QImage& image);
    // The image of a slot (empty for no slot).
    QImage GetImage(int index) const;

private:
    bool m_created = false;
    QSize m_size;
    QList<QImage> m_images;

    QImage Fit(const QImage& image) const;
};

// Which image list of a list view.
enum : int {
    LVSIL_NORMAL = 0,
    LVSIL_SMALL = 1,
};
