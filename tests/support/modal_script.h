// Runs a dialog modally with a script that runs inside its loop and must end
// it. The dialog is made the active window first (its keys and focus changes
// then behave as a user's would); a guard ends it with -2 after five seconds
// when the script does not.
#pragma once

#include "tests/support/pump_until.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

template <class Dialog> INT_PTR RunModalScript(Dialog& dialog, const std::function<void(Dialog&)>& script)
{
    // Both timers end with this call, so neither can fire on a dialog that is gone.
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, [&] {
        QWidget* w = dialog.GetWidget();
        w->activateWindow();
        QApplication::setActiveWindow(w);
        PumpUntil([&] { return w->isActiveWindow(); }, 1000);
        script(dialog);
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (dialog.GetSafeHwnd())
            dialog.EndDialog(-2);
    });
    start.start(0);
    guard.start(5000);
    return dialog.DoModal();
}
