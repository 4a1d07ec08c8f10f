// The frame's string resources: the status-bar prompt and tool tip of each
// command, the document-template string, the application title and the idle
// status text.
#pragma once

#include "platform/types/types.h"

#include <QString>

inline constexpr const char16_t* kDocTemplateString128 = u"Kestrel\n\n\n\n\nKestrel.Document\n";
inline constexpr const char16_t* kAppTitleString = u"Kestrel";
inline constexpr const char16_t* kIdleStatusText = u"Ready : Kestrel";
// The print dialog's caption, by which other windows find it.
inline constexpr const char16_t* kPrintDialogTitle = u"Kestrel 印刷";

struct CommandPrompt {
    QString prompt;   // shown in status pane 0
    QString toolTip;  // empty when the command has none
};

// The prompt and tool tip of a command; both empty for a command without a string.
CommandPrompt CommandPromptOf(UINT id);
