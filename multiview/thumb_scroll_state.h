// Which display positions the grid shows (first..last), the focus, the
// paint cursor and the loaded window: the range of positions whose
// thumbnails may exist when the capacity is below the file count.
// Positions are kept in 16 bits as the list counts them; every rule computes
// in signed 32-bit first, so a step before position 0 never wraps.
// No window, no drawing.
#pragma once

#include "platform/types/types.h"

// The answer of GetNewlyVisibleRange.
struct LoadedWindowMove {
    // The visible range already lay inside the loaded window (nothing moved).
    bool visibleInside = false;
    // Positions whose thumbnails must go (release first..last).
    bool release = false;
    int releaseFirst = 0;
    int releaseLast = 0;
};

class CThumbScrollState {
public:
    void SetOrientation(int orientation) { m_orientation = static_cast<short>(orientation); }

    void Init(int total, int capacity, int viewMode);
    // Total and capacity change; the view stays.
    void SetTotals(int total, int capacity);
    void SetTopIndex(int first, int columns, int rows);
    void ClampRange();
    // Puts the focus (or the middle) back where a page of columns x rows shows it.
    void Relayout(int columns, int rows, int viewMode);
    // Moves by n positions (a multiple of rows); true when first, last or focus changed.
    bool ScrollByWheel(int viewMode, int n, int columns, int rows);

    int CellToIndex(int cell) const;
    int IndexToCell(int position) const;
    int GetFocusCell() const;
    int GetRemainingCount() const;

    // Places the loaded window over the visible range and says which
    // positions left it. centre: a window around the focus.
    LoadedWindowMove GetNewlyVisibleRange(int total, int capacity, bool centre);
    // Records first..last as the loaded window.
    void SetLoadedWindow(int first, int last);

    // The arrow keys (VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT) on a page of rows
    // per column. MoveFocusByKey moves the focus inside the page: 0 moved,
    // 1 the page's edge was reached, -1 nothing to do. ScrollForKey then
    // moves the page (and the focus with it) past that edge; true when it did.
    int MoveFocusByKey(UINT key, int rows);
    bool ScrollForKey(UINT key, int rows);

    int First() const { return m_first; }
    int Last() const { return m_last; }
    int Focus() const { return m_focus; }
    void SetFocus(int focus) { m_focus = focus; }
    int PaintCursor() const { return m_paint; }
    void SetPaintCursor(int position) { m_paint = static_cast<WORD>(position); }
    int LoadedFirst() const { return m_loadedFirst; }
    int LoadedLast() const { return m_loadedLast; }
    int PreviousLoadedFirst() const { return m_prevLoadedFirst; }
    int PreviousLoadedLast() const { return m_prevLoadedLast; }
    int Total() const { return m_total; }
    int Capacity() const { return m_capacity; }

private:
    void SetRange(int first, int last);

    short m_orientation = 2;
    WORD m_first = 0;
    int m_focus = -1;
    WORD m_paint = 0;
    WORD m_last = 0;
    WORD m_loadedFirst = 0;
    WORD m_prevLoadedFirst = 0;
    WORD m_loadedLast = 0;
    WORD m_prevLoadedLast = 0;
    WORD m_total = 0;
    WORD m_capacity = 0;
};
