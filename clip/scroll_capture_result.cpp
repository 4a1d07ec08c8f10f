// The messages of the scroll capture's results, and the settings it reads.
#include "clip/scroll_capture.h"

#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "platform/dialog/msgbox.h"

QString ScrollCaptureResultText(BYTE code)
{
    switch (code) {
    case kScrollNoWindowRect:
        return QStringLiteral("キャプチャするウィンドウの取得に失敗しました。");
    case kScrollNoMemory:
        return QStringLiteral("実行する為のメモリが足りなくなりました。");
    case kScrollGrabFailed:
        return QStringLiteral("スクリーンのキャプチャに失敗しました。");
    case kScrollNoClipboardBitmap:
        return QStringLiteral(
            "PrintScreen でのキャプチャに失敗しました。\n\niniファイルの \"KeyPushWait\" を変更して下さい。");
    case kScrollTooLittleMovement:
        return QStringLiteral("スクロールキャプチャに失敗しました。");
    case kScrollTooTall:
        return QStringLiteral("Kestrelが扱える画像サイズを超えてしまうので途中終了しました。");
    case kScrollLowMemory:
        return QStringLiteral("メモリ不足の懸念があるので途中終了しました。");
    case kScrollUnsupportedIe:
        return QStringLiteral("このバージョンのIEは未対応です。");
    case kScrollFixedRowsOverHalf:
        return QStringLiteral("スクロールキャプチャの情報収集に失敗しました(No.01)");
    case kScrollNoOverlap:
        return QStringLiteral("スクロールキャプチャの情報収集に失敗しました(No.02)");
    case kScrollInternalError:
        return QStringLiteral("ScrollCapture : Internal Error??");
    case kScrollAllocFailed:
        return QStringLiteral("メモリの確保に失敗しました。");
    case kScrollCannotScroll:
        return QStringLiteral("これ以上スクロール出来ませんでした。");
    case kScrollPageJumps:
        return QStringLiteral("ページ境界の認識に失敗した可能性があります。");
    default:
        return QString();
    }
}

int ShowScrollCaptureResult(BYTE code)
{
    const QString text = ScrollCaptureResultText(code);
    if (!text.isEmpty())
        AfxMessageBox(text);
    return ScrollResultKeepsImage(code) ? 1 : 0;
}

ScrollCaptureSettings CurrentScrollCaptureSettings()
{
    ScrollCaptureSettings s;
    s.scrollWait = AppSettings.ScrollWait;
    s.matchLineNum = AppSettings.MatchLineNum;
    s.ambiguousLeve = AppSettings.AmbiguousLeve;
    s.scrollRate = AppSettings.ScrollRate;
    s.afterScrollBehave = AppSettings.AfterScrollBehave;
    s.maxSaveSizeHeight = AppSettings.MaxSaveSizeHeight;
    s.captionHeight = g_ScreenMetrics.captionHeight;
    s.frameWidth = g_ScreenMetrics.frameWidth;
    s.frameHeight = g_ScreenMetrics.frameHeight;
    s.vscrollWidth = g_ScreenMetrics.vscrollWidth;
    return s;
}
