#include "clip/continuous_capture_status.h"

#include "platform/dialog/msgbox.h"

#include <cstdio>

QString ContinueCaptureCaption()
{
    return QStringLiteral("Kestrel 連続キャプチャ");
}

std::optional<QString> ContinueCaptureStatusMessage(BYTE status)
{
    switch (status) {
    case kCcWriteFailed:
        return QStringLiteral("ファイルの保存に失敗しました。\n\n連続キャプチャを終了します。");
    case kCcPathTooLong:
        return QStringLiteral("ファイルパスが長すぎます。\n\n連続キャプチャを終了します。");
    case kCcDiskFull:
        return QStringLiteral("保存ドライブの残り容量が無くなりました。\n\n連続キャプチャを終了します。");
    case kCcScreenCopyFailed:
        return QStringLiteral(
            "クリップボードのイメージの変換に失敗しました。\n\n連続キャプチャを終了します。");
    case kCcNoDesktop:
        return QStringLiteral("ウィンドウの取得に失敗しました。");
    case kCcNoImage:
        return QStringLiteral("イメージの取り込みに失敗しました。");
    case kCcSaveTooSlow:
        return QStringLiteral(
            "ファイルの保存に時間がかかり過ぎています。\n\n保存ドライブの残り容量を確認して下さい。"
            "\n\n連続キャプチャを終了します。");
    default:
        return std::nullopt;
    }
}

std::vector<ContinueCaptureMessage> FailedRunMessages(BYTE status, bool intervalKept)
{
    std::vector<ContinueCaptureMessage> messages;
    if (const std::optional<QString> text = ContinueCaptureStatusMessage(status))
        messages.push_back({*text, MB_ICONEXCLAMATION});
    // Status 10 has told the user about the interval already.
    if (!intervalKept && status != kCcIntervalMissed && status != kCcUserStop)
        messages.push_back({IntervalNotKeptMessage(), MB_ICONINFORMATION});
    return messages;
}

QString IntervalNotKeptMessage()
{
    return QStringLiteral("指定されたキャプチャ間隔でのキャプチャが出来ませんでした。");
}

QString NoFreeSlotMessage()
{
    return QStringLiteral(
        "キャプチャ間隔にファイル保存が間に合いませんでした。\n\n空きメモリを増やすと改善される可能性が"
        "あります。\n\n連続キャプチャを終了します。");
}

QString IntervalMissedMessage(int intervalTenths)
{
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", intervalTenths / 10.0);
    return QStringLiteral(
        "現在のキャプチャ間隔 %1 [秒]で処理が間に合いませんでした。\n\nキャプチャ間隔を増やして下さい。")
        .arg(QString::fromLatin1(seconds));
}
