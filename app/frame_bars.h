// Filling the frame's menu bar and toolbar from the resource tables.
#pragma once

#include "platform/window/frame_window.h"
#include "res/frame_menus.h"
#include "res/frame_toolbars.h"

// Replaces the frame's menu bar with the menu's popups and items.
void BuildFrameMenu(CFrameWnd& frame, const FrameMenu& menu);
// Replaces the frame's toolbar buttons with the toolbar's.
void BuildFrameToolbar(CFrameWnd& frame, const FrameToolbar& toolbar);
