#include "imaging/image_messages.h"

#include "platform/dialog/msgbox.h"

std::atomic<int> g_bShowImageErrors{1};

void ShowImageMessage(const QString& text)
{
    MessageBoxW(nullptr, text, QStringLiteral("Kestrel"), MB_OK);
}
