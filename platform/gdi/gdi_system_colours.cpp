// System colours: the platform's default scheme, the same on every machine,
// and a stock brush of each.
#include "platform/gdi/gdi.h"

#include <QHash>
#include <mutex>

DWORD GetSysColor(int index)
{
    struct Entry {
        int index;
        COLORREF color;
    };
    static constexpr Entry kScheme[] = {
        {COLOR_SCROLLBAR, RGB(200, 200, 200)},
        {COLOR_BACKGROUND, RGB(0, 0, 0)},
        {COLOR_ACTIVECAPTION, RGB(153, 180, 209)},
        {COLOR_MENU, RGB(240, 240, 240)},
        {COLOR_WINDOW, RGB(255, 255, 255)},
        {COLOR_WINDOWFRAME, RGB(100, 100, 100)},
        {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
        {COLOR_BTNTEXT, RGB(0, 0, 0)},
        {COLOR_INFOTEXT, RGB(0, 0, 0)},
        {COLOR_HIGHLIGHT, RGB(0, 120, 215)},
        {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
        {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},
        {COLOR_BTNFACE, RGB(240, 240, 240)},
        {COLOR_BTNSHADOW, RGB(160, 160, 160)},
        {COLOR_GRAYTEXT, RGB(109, 109, 109)},
        {COLOR_3DDKSHADOW, RGB(105, 105, 105)},
        {COLOR_3DLIGHT, RGB(227, 227, 227)},
        {COLOR_INFOBK, RGB(255, 255, 225)},
    };
    for (const Entry& e : kScheme)
        if (e.index == index)
            return e.color;
    return 0;
}

HBRUSH GetSysColorBrush(int index)
{
    static std::mutex mutex;
    static QHash<int, HBRUSH> brushes;
    std::lock_guard lock(mutex);
    HBRUSH& b = brushes[index];
    if (!b) {
        b = ::CreateSolidBrush(GetSysColor(index));
        b->stock = true;  // never deleted
    }
    return b;
}
