// The frame's windows, described once. Each row names a window kind, its
// dialog template, how many such windows there are, where the frame keeps
// each, and how the frame closes it. The rows stand in close order: the
// frame closes them from the first row to the last when it ends, and a
// window that becomes part of the program adds its row here.
#pragma once

#include "core/app_state.h"
#include "platform/types/types.h"

#include <span>

class CMainFrame;
class CWnd;

struct FrameWindowRow {
    AppWindow kind;
    UINT templateId;
    int count;  // 1, or kClipWindowCount for the clip windows
    // The window with that index as the frame keeps it, null while closed.
    CWnd* (*window)(const CMainFrame& frame, int index);
    void (*close)(CMainFrame& frame, int index);
};

// The rows of the program's windows.
std::span<const FrameWindowRow> FrameWindowTable();

// The row of a kind, null when the program has no such window.
const FrameWindowRow* FindFrameWindowRow(std::span<const FrameWindowRow> rows, AppWindow kind);
