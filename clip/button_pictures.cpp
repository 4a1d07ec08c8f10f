#include "clip/button_pictures.h"

#include "platform/controls/controls.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"

void CButtonPictures::Load(
    int count, const std::function<int(int index)>& idOf, const std::function<HBITMAP(int id)>& load)
{
    m_ids.resize(static_cast<size_t>(count));
    m_images.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        m_ids[i] = idOf(i);
        m_images[i] = load(m_ids[i]);
    }
}

void CButtonPictures::Show(CWnd& owner, int button, int index)
{
    if (index < 0 || index >= static_cast<int>(m_images.size()))
        return;
    if (auto* b = dynamic_cast<CButton*>(owner.GetDlgItem(button))) {
        b->SetBitmap(m_images[index]);
        m_shown.insert(button, m_ids[index]);
    }
}

void CButtonPictures::Free(CWnd& owner)
{
    for (auto it = m_shown.begin(); it != m_shown.end(); ++it)
        if (auto* button = dynamic_cast<CButton*>(owner.GetDlgItem(it.key())))
            button->SetBitmap(nullptr);
    m_shown.clear();
    for (HBITMAP& image : m_images) {
        if (image)
            DeleteObject(image);
        image = nullptr;
    }
}
