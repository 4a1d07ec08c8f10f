// Filling the frame's menu bar and toolbar from the resource tables. The
// menu items are owner-drawn from records made once for each menu, which
// hold their texts and pictures; the toolbar's pictures are cut from its
// strip at the icon scale.
#pragma once

#include "clip/icon_menu_item.h"
#include "platform/window/frame_window.h"
#include "res/frame_menus.h"
#include "res/frame_toolbars.h"

#include <memory>
#include <vector>

// The records of one menu's items, submenu items included.
class IconMenuItemSet {
public:
    IconMenuItemSet(const FrameMenu& menu, int iconScale);

    const FrameMenu& Menu() const { return m_menu; }
    // The record of a command; null when the menu has none.
    const CIconMenuItem* Find(UINT id) const;

private:
    const FrameMenu& m_menu;
    std::vector<std::unique_ptr<CIconMenuItem>> m_items;

    void Add(const FrameMenuPopup& popup, int iconScale);
};

std::unique_ptr<IconMenuItemSet> CreateMainMenuItems(int iconScale);
std::unique_ptr<IconMenuItemSet> CreateMultiViewMenuItems(int iconScale);

// Replaces the frame's menu bar with the set's popups and items.
void BuildFrameMenu(CFrameWnd& frame, const IconMenuItemSet& items);
// Replaces the frame's toolbar buttons with the toolbar's.
void BuildFrameToolbar(CFrameWnd& frame, const FrameToolbar& toolbar, int iconScale);

// The frame's answers to WM_MEASUREITEM and WM_DRAWITEM for its menu items.
void MeasureFrameMenuItem(MEASUREITEMSTRUCT* measure, int iconScale);
void DrawFrameMenuItem(const DRAWITEMSTRUCT& item, int iconScale);
