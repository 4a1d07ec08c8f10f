// The range-check rules that tie members together or depend on the screen,
// in the order they run after the per-key checks of the settings table. The
// per-key pass has already corrected MinSaveSize, MaxSaveSizeWidth and
// MaxSaveSizeHeight (and then ClipVerSize and ClipHorSize against them, in
// table order), so the rules below see the corrected limits.
#include "core/settings/settings_store.h"

#include <algorithm>
#include <utility>

namespace {

// Folders: an unusable stored folder falls back to the program folder; an
// over-long slot is cleared.
void CheckFolders(AppSettingsRecord& s, const QString& programFolder)
{
    for (QString* folder : {&s.LastAccessDir, &s.TreeLastDir}) {
        if (folder->isEmpty() || folder->size() >= kSettingsTextCapacity) {
            *folder = programFolder;
        }
    }
    for (QString AppSettingsRecord::*m : kShortCutFolderMembers) {
        if ((s.*m).size() >= kSettingsTextCapacity) {
            (s.*m).clear();
        }
    }
    for (QString AppSettingsRecord::*m : kWorkFolderMembers) {
        if ((s.*m).size() >= kSettingsTextCapacity) {
            (s.*m).clear();
        }
    }
}

void PutInOrder(RECT& r)
{
    if (r.left > r.right) {
        std::swap(r.left, r.right);
    }
    if (r.top > r.bottom) {
        std::swap(r.top, r.bottom);
    }
}

// The last fixed range: -1 marks an edge outside the limits.
void CheckPrevSaveRect(AppSettingsRecord& s)
{
    RECT& r = s.PrevSaveRect;
    auto mark = [](LONG& edge, bool bad) {
        if (bad) {
            edge = -1;
        }
    };
    mark(r.left, r.left < 0 || r.left > s.MaxSaveSizeWidth);
    mark(r.top, r.top < 0 || r.top > s.MaxSaveSizeHeight);
    mark(r.right, r.right < s.MinSaveSize || r.right > s.MaxSaveSizeWidth);
    mark(r.bottom, r.bottom < s.MinSaveSize || r.bottom > s.MaxSaveSizeHeight);
    PutInOrder(r);
}

// Stored window positions: -1 (not stored) for positions off the screen.
void CheckWindowPositions(AppSettingsRecord& s, SIZE screen)
{
    auto checkX = [&](int& x) {
        if (x < -1 || x > screen.cx) {
            x = -1;
        }
    };
    auto checkY = [&](int& y) {
        if (y < -1 || y > screen.cy) {
            y = -1;
        }
    };
    for (int i = 0; i < 12; ++i) {
        checkX(s.*kClipWindowPosXMembers[i]);
        checkY(s.*kClipWindowPosYMembers[i]);
    }
    checkX(s.ContrastDlgPosX);
    checkY(s.ContrastDlgPosY);
    checkX(s.TreeDlgPosX);
    checkY(s.TreeDlgPosY);
    checkX(s.TreeDlgPosX2);
    checkY(s.TreeDlgPosY2);
    if (s.TMIDlgPos_x > screen.cx) {
        s.TMIDlgPos_x = 0;
    }
    if (s.TMIDlgPos_y > screen.cy) {
        s.TMIDlgPos_y = 0;
    }
}

// Colours: the per-key pass has reset values above 0xFFFFFF; when all eight
// are black the whole scheme is reset, the label backgrounds to light grey.
void CheckColours(AppSettingsRecord& s)
{
    struct Reset {
        COLORREF AppSettingsRecord::*member;
        COLORREF value;
    };
    const Reset colours[] = {{&AppSettingsRecord::HighlightColor, 0x808080},
        {&AppSettingsRecord::GridColor, 0x808080}, {&AppSettingsRecord::SelRangeColor, 0xFF00FF},
        {&AppSettingsRecord::SelCenterMarkerColor, 0x808080}, {&AppSettingsRecord::SelRangeCorrXYColor, 0},
        {&AppSettingsRecord::SelRangeCorrSizeColor, 0xFF},
        {&AppSettingsRecord::SelRangeCorrXYColorBk, 0xC0C0C0},
        {&AppSettingsRecord::SelRangeCorrSizeColorBk, 0xC0C0C0}};
    if (std::all_of(
            std::begin(colours), std::end(colours), [&](const Reset& c) { return s.*c.member == 0; })) {
        for (const Reset& c : colours) {
            s.*c.member = c.value;
        }
    }
}

// Control rectangles of the tree windows: an empty or larger-than-screen
// rectangle is reset (both folder trees to 240 x 180).
void CheckTreeRects(AppSettingsRecord& s, SIZE screen)
{
    struct Reset {
        RECT AppSettingsRecord::*member;
        RECT value;
    };
    const Reset rects[] = {{&AppSettingsRecord::rctTreeFolder_rect, {0, 0, 240, 180}},
        {&AppSettingsRecord::rctTreeFile_rect, {0, 0, 240, 250}},
        {&AppSettingsRecord::rctExtFilter_rect, {0, 0, 210, 21}},
        {&AppSettingsRecord::rctExplore_rect, {0, 0, 26, 21}},
        {&AppSettingsRecord::rctTreeFolder2_rect, {0, 0, 240, 180}}};
    for (const Reset& reset : rects) {
        RECT& r = s.*reset.member;
        if (r.right == r.left || r.bottom == r.top) {
            r = reset.value;
        }
        const std::int64_t width = std::int64_t{r.right} - r.left;
        const std::int64_t height = std::int64_t{r.bottom} - r.top;
        if (width > screen.cx || height > screen.cy) {
            r = reset.value;
        }
    }
}

// The last range cut lies on the screen.
void CheckClipPrevRect(AppSettingsRecord& s, SIZE screen)
{
    RECT& r = s.ClipPrevRect;
    const LONG maxX = std::max(screen.cx - 1, 0);
    const LONG maxY = std::max(screen.cy - 1, 0);
    r.left = std::clamp(r.left, 0, maxX);
    r.right = std::clamp(r.right, 0, maxX);
    r.top = std::clamp(r.top, 0, maxY);
    r.bottom = std::clamp(r.bottom, 0, maxY);
}

// Clip-range history: edges outside the image limits become 1.
void CheckClipHistoryRects(AppSettingsRecord& s)
{
    for (RECT AppSettingsRecord::*m : kClipRectMembers) {
        RECT& r = s.*m;
        for (LONG* x : {&r.left, &r.right}) {
            if (*x < 0 || *x > s.MaxSaveSizeWidth) {
                *x = 1;
            }
        }
        for (LONG* y : {&r.top, &r.bottom}) {
            if (*y < 0 || *y > s.MaxSaveSizeHeight) {
                *y = 1;
            }
        }
        PutInOrder(r);
    }
}

// The continuous-capture range ends on the screen.
void CheckCaptureRect(AppSettingsRecord& s, SIZE screen)
{
    RECT& r = s.Step1_cc_CapRect;
    if (r.left >= screen.cx) {
        r.left = 0;
    }
    if (r.top >= screen.cy) {
        r.top = 0;
    }
    if (r.right >= screen.cx) {
        r.right = screen.cx - 1;
    }
    if (r.bottom >= screen.cy) {
        r.bottom = screen.cy - 1;
    }
    PutInOrder(r);
}

// Modes that never survive a restart.
void ResetTransientModes(AppSettingsRecord& s)
{
    s.FixSaveArea = 0;
    s.ScrollRate = 67;
}

// The batch-shrink target size: both edges or neither.
void CheckShrinkSize(AppSettingsRecord& s)
{
    if (s.Step2_Width < 10 || s.Step2_Height < 10) {
        s.Step2_Width = 800;
        s.Step2_Height = 600;
    }
}

}  // namespace

void ApplyCrossChecks(AppSettingsRecord& s, const QString& programFolder, SIZE screen)
{
    CheckFolders(s, programFolder);
    CheckPrevSaveRect(s);
    CheckWindowPositions(s, screen);
    CheckColours(s);
    CheckTreeRects(s, screen);
    CheckClipPrevRect(s, screen);
    CheckClipHistoryRects(s);
    CheckCaptureRect(s, screen);
    ResetTransientModes(s);
    CheckShrinkSize(s);
}
