#include "multiview/thumb_scroll_state.h"

#include "core/multi_view_messages.h"
#include "platform/types/messages.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kMaxPage = 65535;

}  // namespace

void CThumbScrollState::Init(int total, int capacity, int viewMode)
{
    m_total = static_cast<WORD>(total);
    m_capacity = static_cast<WORD>(capacity);
    m_first = 0;
    m_focus = viewMode == kMultiViewPreview ? 0 : -1;
    m_paint = 0;
    m_last = 0;
    m_loadedFirst = m_prevLoadedFirst = m_loadedLast = m_prevLoadedLast = 0;
}

void CThumbScrollState::SetTotals(int total, int capacity)
{
    m_total = static_cast<WORD>(total);
    m_capacity = static_cast<WORD>(capacity);
}

void CThumbScrollState::SetRange(int first, int last)
{
    m_first = static_cast<WORD>(std::max(first, 0));
    m_last = static_cast<WORD>(std::max(last, 0));
}

void CThumbScrollState::ClampRange()
{
    // An empty list or no capacity sets no bound below first.
    int last = m_last;
    if (m_capacity > 0)
        last = std::min(last, m_first + m_capacity - 1);
    if (m_total > 0)
        last = std::min(last, m_total - 1);
    m_last = static_cast<WORD>(std::max(last, 0));
}

void CThumbScrollState::SetTopIndex(int first, int columns, int rows)
{
    if (columns * rows > kMaxPage)
        return;
    SetRange(first, first + columns * rows - 1);
    ClampRange();
    if (m_focus < m_first || m_focus > m_last)
        m_focus = m_first;
}

void CThumbScrollState::Relayout(int columns, int rows, int viewMode)
{
    if (m_total == 0) {
        m_first = m_last = m_paint = 0;
        m_focus = 0;
        m_loadedFirst = m_prevLoadedFirst = m_loadedLast = m_prevLoadedLast = 0;
        return;
    }
    if (columns * rows > kMaxPage || rows <= 0)
        return;

    int focus = m_focus;
    if (focus == -1) {
        const int middle = (m_first + m_last) / 2;
        if (viewMode == kMultiViewPreview) {
            if (m_first != 0)
                m_focus = focus = middle;
        } else {
            focus = middle;  // only for placing the page
        }
    }

    const int page = columns * rows;
    int centre = 0;
    int span = 0;
    if (m_capacity >= page) {
        centre = ((columns - 1) / 2) * rows + (rows - 1) / 2;
        span = page;
    } else {
        centre = m_capacity / 2;
        span = m_capacity;
    }
    int first = (focus - centre) / rows * rows;  // towards zero
    int last = first + span - 1;
    if (first < 0) {
        last -= first;
        first = 0;
    }
    if (last >= m_total) {
        const int over = last - (m_total - 1);
        last = m_total - 1;
        first = std::max(first - over, 0);
    }
    SetRange(first, last);
}

bool CThumbScrollState::ScrollByWheel(int viewMode, int n, int columns, int rows)
{
    if ((m_first == 0 && m_last == 0) || rows <= 0 || std::abs(n) < rows)
        return false;
    n = n / rows * rows;
    const int oldFirst = m_first;
    const int oldLast = m_last;
    const int oldFocus = m_focus;
    int first = m_first;
    int last = m_last;

    if (viewMode != kMultiViewPreview) {
        first += n;
        last += n;
        if (first < 0) {
            last -= first;
            first = 0;
            SetRange(first, last);
        } else if (last >= m_total) {
            // The last page ends with the last (possibly partial) column.
            const int rest = m_total % rows;
            first = rest != 0 ? m_total - rest - (columns - 1) * rows : m_total - columns * rows;
            SetRange(std::max(first, 0), m_total - 1);
        } else {
            if (last - first + 1 != columns * rows)
                last = first + columns * rows - 1;
            SetRange(first, last);
            ClampRange();
        }
    } else {
        const int length = last - first;
        const int middle = (first + last) / 2;
        int focus = m_focus + n;
        if ((n > 0 && focus > middle) || (n < 0 && focus < middle)) {
            first += n;
            last += n;
        }
        if (first < 0) {
            first = 0;
            last = length;
        }
        if (last > m_total - 1) {
            last = m_total - 1;
            first = std::max(last - length, 0);
        }
        focus = std::clamp(focus, first, last);
        SetRange(first, last);
        m_focus = focus;
    }
    return m_first != oldFirst || m_last != oldLast || m_focus != oldFocus;
}

int CThumbScrollState::CellToIndex(int cell) const
{
    const int position = m_first + cell;
    return position < m_total ? position : -1;
}

int CThumbScrollState::IndexToCell(int position) const
{
    return position < m_first ? 0 : position - m_first;
}

int CThumbScrollState::GetFocusCell() const
{
    return m_focus < m_first ? 0 : m_focus - m_first;
}

int CThumbScrollState::GetRemainingCount() const
{
    return m_total == 0 ? 0 : m_total - m_first - 1;
}

void CThumbScrollState::SetLoadedWindow(int first, int last)
{
    m_loadedFirst = static_cast<WORD>(first);
    m_loadedLast = static_cast<WORD>(last);
}

LoadedWindowMove CThumbScrollState::GetNewlyVisibleRange(int total, int capacity, bool centre)
{
    LoadedWindowMove move;
    if (m_first >= m_loadedFirst && m_last <= m_loadedLast) {
        move.visibleInside = true;
        return move;
    }
    m_prevLoadedFirst = m_loadedFirst;
    m_prevLoadedLast = m_loadedLast;

    int first = m_first;
    const int half = (m_last - m_first) / 2;
    if (centre && m_focus >= half)
        first = m_focus - half;
    int last = first + capacity - 1;
    if (last >= total) {
        last = total - 1;
        first = std::max(last - capacity + 1, 0);
    }
    m_loadedFirst = static_cast<WORD>(first);
    m_loadedLast = static_cast<WORD>(last);

    const int oldFirst = m_prevLoadedFirst;
    const int oldLast = m_prevLoadedLast;
    const auto releaseRange = [&](int a, int b) {
        if (a > b)
            return;
        move.release = true;
        move.releaseFirst = a;
        move.releaseLast = b;
    };
    if (first == oldFirst && last == oldLast)
        return move;
    if (last < oldFirst || first > oldLast)
        releaseRange(oldFirst, oldLast);
    else if (first < oldFirst && last <= oldLast)
        releaseRange(last + 1, oldLast);
    else if (first >= oldFirst && first <= oldLast && last > oldLast)
        releaseRange(oldFirst, first - 1);
    return move;
}

int CThumbScrollState::MoveFocusByKey(UINT key, int rows)
{
    if (m_focus < 0 || rows <= 0)
        return -1;
    const int first = m_first;
    const int last = m_last;
    const int total = m_total;
    switch (key) {
    case VK_UP:
        if (m_focus == 0)
            return -1;
        if (m_focus > first) {
            --m_focus;
            return 0;
        }
        return 1;
    case VK_DOWN:
        if (m_focus >= total - 1)
            return -1;
        if (m_focus < last) {
            ++m_focus;
            return 0;
        }
        return 1;
    case VK_LEFT:
        if (m_focus - rows < first)
            return first != 0 ? 1 : -1;
        m_focus -= rows;
        return 0;
    case VK_RIGHT:
        if (last == total - 1 && m_focus + rows > total - 1)
            return -1;
        if (m_focus + rows > last)
            return 1;
        m_focus += rows;
        return 0;
    default:
        return -1;
    }
}

bool CThumbScrollState::ScrollForKey(UINT key, int rows)
{
    if (m_focus < 0 || rows <= 0)
        return false;
    const bool sideways = key == VK_LEFT || key == VK_RIGHT;
    const int oldFirst = m_first;
    const int oldFocus = m_focus;
    int first = m_first;
    int last = m_last;
    if (m_focus - rows < first) {
        // Back: to the list's start, or by one column.
        if (first < rows) {
            const int n = first;
            m_focus -= key == VK_UP ? 1 : n;
            last -= n;
            first = 0;
        } else {
            first -= rows;
            last -= rows;
            m_focus -= sideways ? rows : 1;
        }
    } else if (m_focus + rows <= last) {
        return false;
    } else if (last + rows <= m_total - 1) {
        first += rows;
        last += rows;
        m_focus += sideways ? rows : 1;
    } else {
        // The page ends with the list's last position.
        const int added = m_total - 1 - last;
        first += added;
        last = m_total - 1;
        m_focus += key == VK_DOWN ? 1 : added;
    }
    m_focus = std::max(m_focus, 0);
    SetRange(first, last);
    return m_first != oldFirst || m_focus != oldFocus;
}
