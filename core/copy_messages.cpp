#include "core/copy_messages.h"

#include "platform/dialog/msgbox.h"

QString ClipboardCopyMessageText(int code)
{
    switch (code) {
    case 0:
        return QStringLiteral("イメージのコピーに失敗しました。");
    case 1:
        return QStringLiteral("クリップボードにイメージをコピーしました。");
    case 2:
        return QStringLiteral("クリップボードへコピーする為のメモリの確保に失敗しました。");
    case 3:
        return QStringLiteral("ファイルオープン又はメモリの確保に失敗しました。");
    }
    return QString();
}

void ShowClipboardCopyMessage(int code, HWND owner)
{
    const QString text = ClipboardCopyMessageText(code);
    if (!text.isEmpty())
        MessageBoxW(owner, text, QStringLiteral("Kestrel"), MB_OK);
}
