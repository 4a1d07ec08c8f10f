// The main frame's menus: the clip-mode menu (resource 128) and the
// multi-view menu (134), as tables of popups and items. An item with id 0
// and no text is a separator; an item with a submenu opens that popup.
#pragma once

#include "platform/types/types.h"

#include <span>

struct FrameMenuItem {
    UINT id;
    const char16_t* text;
    UINT bitmap;  // bitmap resource id; 0 for none
    const struct FrameMenuPopup* submenu = nullptr;

    bool IsSeparator() const { return id == 0 && text == nullptr; }
};

struct FrameMenuPopup {
    const char16_t* title;
    std::span<const FrameMenuItem> items;
};

struct FrameMenu {
    UINT id;
    std::span<const FrameMenuPopup> popups;
};

extern const FrameMenu kMenu128Main;
extern const FrameMenu kMenu134MultiView;

// The item of a command in a menu (searched through its submenus too); null when absent.
const FrameMenuItem* FindFrameMenuItem(const FrameMenu& menu, UINT id);
