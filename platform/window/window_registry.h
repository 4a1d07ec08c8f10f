// The table from window handles to the program's own windows. The window
// layer registers each window it creates; services that take an owner
// handle (message boxes, common dialogs) find the widget to parent to here.
#pragma once

#include "platform/types/hwnd.h"

class QWidget;

// Gives the widget an even, never reused handle and returns it.
HWND RegisterWindowHandle(QWidget* widget);
void UnregisterWindowHandle(HWND hwnd);

// The registered widget of a handle; null for foreign, dead or null handles.
QWidget* WidgetFromHwnd(HWND hwnd);
// The handle of a registered widget; null when it has none.
HWND HwndFromWidget(const QWidget* widget);
