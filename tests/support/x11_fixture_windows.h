// Fixture windows made with Xlib on a connection of the test's own:
// titles (UTF-8), WM_CLASS, owner, window type, icon, pid, background colour.
#pragma once

#include "platform/types/hwnd.h"
#include "platform/types/types.h"

#include <QString>

#include <functional>
#include <vector>

struct _XDisplay;

struct FixtureWindowRecipe {
    QString title;
    QString instanceName = QStringLiteral("kestrel-fixture");
    QString className = QStringLiteral("Kestrel-fixture");
    int x = 100;
    int y = 100;
    int width = 200;
    int height = 120;
    unsigned long background = 0x808080;  // 0xRRGGBB
    HWND owner = nullptr;
    bool utility = false;
    const char* windowType = nullptr;  // a _NET_WM_WINDOW_TYPE_* name, e.g. "_NET_WM_WINDOW_TYPE_DOCK"
    bool above = false;
    bool legacyNameOnly = false;  // WM_NAME as compound text, no _NET_WM_NAME
    unsigned long pid = 0;
    // _NET_WM_ICON value: width, height, ARGB items, repeated.
    std::vector<unsigned long> icon;
};

class FixtureDisplay {
public:
    // The display named, or DISPLAY when empty.
    explicit FixtureDisplay(const QString& name = {});
    ~FixtureDisplay();
    FixtureDisplay(const FixtureDisplay&) = delete;
    FixtureDisplay& operator=(const FixtureDisplay&) = delete;

    bool isOpen() const { return m_display != nullptr; }
    // Creates and maps the window; waits until it is viewable (and managed when a manager runs).
    HWND Create(const FixtureWindowRecipe& recipe);
    // A child window filling part of `parent` with another colour.
    void AddChild(HWND parent, int x, int y, int width, int height, unsigned long background);
    // Replaces a CARDINAL property with items of the given format (8, 16 or 32).
    void SetCardinalProperty(
        HWND window, const char* property, int format, const std::vector<unsigned long>& items);
    void Destroy(HWND window);
    void Unmap(HWND window);
    void Sync();
    // Paints the root window (the desktop behind every window) in one colour, 0xRRGGBB.
    void SetRootBackground(unsigned long background);
    // Moves the pointer by a relative step through XTest.
    void MovePointerBy(int dx, int dy);
    // The client area's top-left corner on the screen.
    POINT ClientOrigin(HWND window);
    bool HasWindowManager();

private:
    _XDisplay* m_display = nullptr;
    std::vector<unsigned long> m_windows;
};

// Polls `done` (processing Qt events when an application runs) until it holds
// or the time is up.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000);
