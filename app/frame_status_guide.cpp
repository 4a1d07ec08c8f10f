#include "app/frame_status_guide.h"

namespace {

constexpr WPARAM kTopicSelection = 0;
constexpr WPARAM kTopicChooser = 1;
constexpr WPARAM kTopicClipWindow = 166;
constexpr LPARAM kEndPointFlag = 0x10;
constexpr LPARAM kTransparentColourPick = 13;
constexpr int kClipWindowCount = 12;

QString SelectionText(LPARAM value, const StatusGuideFacts& facts)
{
    const LPARAM method = value & ~kEndPointFlag;
    if (method == 2) {
        return value & kEndPointFlag
            ? QStringLiteral(
                  "2点クリックモード : 終点をクリックして下さい。( ズーム・移動は通常通り行えます ) "
                  "(中止 ⇒ ESCキー)")
            : QStringLiteral(
                  "2点クリックモード : 始点をクリックして下さい。( ズーム・移動は通常通り行えます ) "
                  "(中止 ⇒ ESCキー)");
    }
    if (method == 3) {
        return facts.fixSaveArea
            ? QStringLiteral(
                  "固定モード : クリップ範囲の変更は出来ません。 クリックで確定。 (中止 ⇒ ESCキー)")
            : QStringLiteral("マウスホイールモード : "
                             "マウスホイールでクリップ範囲を拡大・縮小します。　＋Ctrl「横固定」、"
                             "＋Shift「縦固定」になります。(中止 ⇒ ESCキー)");
    }
    return QString();
}

}  // namespace

QString StatusGuideText(WPARAM topic, LPARAM value, const StatusGuideFacts& facts)
{
    switch (topic) {
    case kTopicSelection:
        return SelectionText(value, facts);
    case kTopicChooser:
        if (!facts.chooserOpen)
            return QString();
        return QStringLiteral(
            "キャプチャーウィンドウの選択 : リストに表示されるウィンドウの最大数は %1 個までです。")
            .arg(facts.captureListMax);
    case kTopicClipWindow:
        if (value == kTransparentColourPick)
            return QStringLiteral(
                "透過色の選択(PNGファイルのみ) : 選択色は左ウィンドウの 「マウスポイント色情報」 "
                "に表示されます。");
        if (value >= 0 && value < kClipWindowCount)
            return QStringLiteral(
                "Clip%1 : 画像にマウスを載せると、マウスホイールで画像の拡大･縮小が行えます。")
                .arg(value + 1);
        return QString();
    default:
        return QString();
    }
}
