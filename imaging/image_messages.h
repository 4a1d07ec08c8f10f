// The boxes the image readers raise, and the process-wide switch that lets
// them show their read-error texts.
#pragma once

#include <QString>
#include <atomic>

// 1 lets the image loaders and savers show their read-error texts; the multi
// view clears it around a preview load. Atomic: worker threads read it.
extern std::atomic<int> g_bShowImageErrors;

// Shows an OK box with the program's caption. From a worker thread the box is
// shown by the UI thread while the worker waits.
void ShowImageMessage(const QString& text);
