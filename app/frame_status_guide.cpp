#include "app/frame_status_guide.h"

#include <iterator>

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

namespace {

// The explanations of the panel's buttons (WM_FRAME_STATUS_MULTI, by number).
constexpr const char16_t* kMultiGuides[] = {
    nullptr,
    u"フォルダ内を再読込み又は中断します。",
    u"フォルダ選択ダイアログを開きます。",
    u"小サイズ(48×48)でサムネイル画像をタイル表示します。",
    u"中サイズ(96×96)でサムネイル画像をタイル表示します。",
    u"大サイズ(144×144)でサムネイル画像をタイル表示します。",
    u"画像をプレビュー表示します。",
    u"表示(サムネイル)画像をクリアします。(サムネイル用に確保したメモリを開放します)",
    u"イメージコピー : 選択(赤枠表示)されている画像イメージをクリップボードにコピーします。",
    u"編集モード : 選択(赤枠表示)されている画像を編集モードで表示します。",
    u"ファイル削除 : 選択(赤･ﾋﾟﾝｸ枠表示)されている画像ファイルを一括削除します。",
    u"ファイルコピー : 選択(赤･ﾋﾟﾝｸ枠表示)されている画像ファイルをコピーします。",
    u"イメージ縮小 : 選択(赤･ﾋﾟﾝｸ枠表示)されている画像ファイルの縦横サイズを縮小します。",
    u"ファイル名変更(個別) : 選択(赤･ﾋﾟﾝｸ枠表示)されている画像ファイルの名前を変更します。",
    u"ファイル名変更(一括) : 選択(赤･ﾋﾟﾝｸ枠表示)されている画像ファイルの名前を連続で変更します。",
};

}  // namespace

QString MultiPanelGuideText(WPARAM topic)
{
    const unsigned n = static_cast<unsigned>(topic & 0xFF);
    if (n >= std::size(kMultiGuides) || !kMultiGuides[n])
        return QString();
    return QString::fromUtf16(kMultiGuides[n]);
}
