// Start-up timing from outside the process: when the environment variable
// KESTREL_REPORT_FIRST_PAINT is set, the line "painted" goes to standard
// output once the window's first paint has been handed to the display.
// Without the variable nothing is watched.
#pragma once

class QWidget;

// The marker's text and the variable that asks for it.
inline constexpr char kFirstPaintVariable[] = "KESTREL_REPORT_FIRST_PAINT";
inline constexpr char kFirstPaintMarker[] = "painted\n";

void ReportFirstPaintWhenAsked(QWidget* window);
