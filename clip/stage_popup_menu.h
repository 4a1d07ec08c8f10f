// The view stage's right-click menu: one table of its items (ids 500-522 and
// the highlight-style submenu 530-532), their texts and pictures by state and
// the rules that grey them, built into a platform menu of owner-drawn items
// at each right click. The texts and rules are pure; only BuildStagePopupMenu
// touches a menu.
#pragma once

#include "platform/types/types.h"

#include "clip/icon_menu_item.h"

#include <QString>
#include <map>
#include <vector>

class CMenu;

// What the menu shows, read at the moment of the right click.
struct StagePopupState {
    bool measureOpen = false;
    bool twoClickRunning = false;
    bool wheelRunning = false;
    bool bandStarted = false;  // the two-click band has its first point
    bool autoFileName = false;
    bool hitZoomOn = false;
    bool centerZoom = false;
    bool showGrid = false;
    bool centerMarker = false;
    bool rangeCorr = false;
    int colorRadix = 10;
    int highlightStyle = 0;  // 0 frame, 1 darker, 2 lighter: the running method's
    int displayScale = 1;    // view pixels per image pixel, rounded
    int levelPixelGrid = 0;  // the grid item is grey below this scale
    QString colorText;       // the colour under the click (ColorText)
};

struct StagePopupItem {
    UINT id = 0;  // 0 for a separator
    QString text;
    bool grayed = false;
    bool checked = false;
    bool submenu = false;  // the highlight-style submenu opens here
    int bitmapId = 0;      // the picture for the item's state; 0 for none
};

// Items 500-522 in menu order, separators included.
std::vector<StagePopupItem> StagePopupItems(const StagePopupState& s);
// Items 530-532 of the highlight-style submenu.
std::vector<StagePopupItem> StageHighlightStyleItems(const StagePopupState& s);

// The colour's text: its low, middle and high bytes as "%03d %03d %03d" in
// radix 10, else as "%02x%02x%02x".
QString ColorText(COLORREF color, int radix);
// Item 518's label around a colour text.
QString CopyColorLabel(const QString& colorText);

// The pictures of the menu's items at one icon scale, loaded once.
class ClipPopupMenuPictures {
public:
    explicit ClipPopupMenuPictures(int iconScale);
    ~ClipPopupMenuPictures();
    ClipPopupMenuPictures(const ClipPopupMenuPictures&) = delete;
    ClipPopupMenuPictures& operator=(const ClipPopupMenuPictures&) = delete;

    int IconScale() const { return m_iconScale; }
    // Null for 0 or an id without a picture.
    HBITMAP Get(int bitmapId) const;

private:
    int m_iconScale;
    std::map<int, HBITMAP> m_bitmaps;
};

// The items of one showing of the menu; they live while the menu is shown.
struct StagePopupMenuItems {
    std::vector<StagePopupItem> items;
    std::vector<StagePopupItem> styleItems;
};

// Fills an empty pop-up menu with owner-drawn items whose data points into
// the given items (and the submenu into styleItems).
void BuildStagePopupMenu(CMenu* menu, const StagePopupMenuItems& items);
// The owner's answers to WM_MEASUREITEM and WM_DRAWITEM for those items.
void MeasureStagePopupItem(MEASUREITEMSTRUCT* measure, const ClipPopupMenuPictures& pictures);
void DrawStagePopupItem(const DRAWITEMSTRUCT& item, const ClipPopupMenuPictures& pictures);
