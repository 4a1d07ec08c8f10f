#include "platform/x11/desktop_rules.h"

#include <X11/keysym.h>

#include <algorithm>

#include <cstdlib>

QImage PickNetWmIcon(const std::vector<unsigned long>& items, int wanted)
{
    size_t best = 0;
    unsigned long bestW = 0;
    unsigned long bestH = 0;
    bool found = false;
    for (size_t at = 0; at + 2 <= items.size();) {
        const unsigned long w = items[at];
        const unsigned long h = items[at + 1];
        if (w == 0 || h == 0 || w > 4096 || h > 4096 || w * h > items.size() - at - 2)
            break;
        const unsigned long want = static_cast<unsigned long>(wanted);
        const bool better =
            !found || (w >= want && (bestW < want || w < bestW)) || (w < want && bestW < want && w > bestW);
        if (better) {
            best = at;
            bestW = w;
            bestH = h;
            found = true;
        }
        at += 2 + w * h;
    }
    if (!found)
        return {};
    QImage image(static_cast<int>(bestW), static_cast<int>(bestH), QImage::Format_ARGB32);
    const unsigned long* pixel = items.data() + best + 2;
    for (unsigned long y = 0; y < bestH; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (unsigned long x = 0; x < bestW; ++x)
            line[x] = static_cast<QRgb>(*pixel++ & 0xFFFFFFFFul);
    }
    return image;
}

RECT GrowByFrame(const RECT& client, const FrameExtents& frame)
{
    return RECT{static_cast<LONG>(client.left - frame.left), static_cast<LONG>(client.top - frame.top),
        static_cast<LONG>(client.right + frame.right), static_cast<LONG>(client.bottom + frame.bottom)};
}

RECT ShrinkByFrame(const RECT& client, const FrameExtents& frame)
{
    return RECT{static_cast<LONG>(client.left + frame.left), static_cast<LONG>(client.top + frame.top),
        static_cast<LONG>(client.right - frame.right), static_cast<LONG>(client.bottom - frame.bottom)};
}

bool IsRectEmptyArea(const RECT& rect)
{
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

RECT ClipRectToScreen(const RECT& rect, SIZE screen)
{
    RECT clipped{std::max<LONG>(rect.left, 0), std::max<LONG>(rect.top, 0),
        std::min<LONG>(rect.right, screen.cx), std::min<LONG>(rect.bottom, screen.cy)};
    if (IsRectEmptyArea(clipped))
        return RECT{};
    return clipped;
}

void MakePixelsOpaque(std::uint32_t* pixels, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        pixels[i] |= 0xFF000000u;
}

unsigned long KeysymOfVirtualKey(UINT vk)
{
    struct Pair {
        UINT vk;
        unsigned long keysym;
    };
    static constexpr Pair kTable[] = {
        {0x08, XK_BackSpace},
        {0x09, XK_Tab},
        {0x0D, XK_Return},
        {0x1B, XK_Escape},
        {0x20, XK_space},
        {0x21, XK_Prior},
        {0x22, XK_Next},
        {0x23, XK_End},
        {0x24, XK_Home},
        {0x25, XK_Left},
        {0x26, XK_Up},
        {0x27, XK_Right},
        {0x28, XK_Down},
        {0x2C, XK_Print},
        {0x2D, XK_Insert},
        {0x2E, XK_Delete},
        {0x10, XK_Shift_L},
        {0x11, XK_Control_L},
        {0x12, XK_Alt_L},
        {0x14, XK_Caps_Lock},
        {0x90, XK_Num_Lock},
    };
    for (const Pair& p : kTable) {
        if (p.vk == vk)
            return p.keysym;
    }
    if (vk >= '0' && vk <= '9')
        return XK_0 + (vk - '0');
    if (vk >= 'A' && vk <= 'Z')
        return XK_a + (vk - 'A');
    if (vk >= 0x70 && vk <= 0x7B)  // F1 .. F12
        return XK_F1 + (vk - 0x70);
    return 0;
}

int WheelButtonOf(int notches)
{
    return notches > 0 ? 4 : 5;
}
