#include "multiview/shrink_rules.h"

#include "core/path_utils.h"
#include "core/settings/app_settings.h"
#include "core/text_utils.h"
#include "imaging/image_size_tally.h"

#include <algorithm>

ShrinkChoices ShrinkChoicesFromSettings()
{
    const AppSettingsRecord& s = AppSettings;
    ShrinkChoices c;
    c.allImages = s.HowStep1_AllImage;
    c.ratioMode = s.Step2_HowRatio;
    c.ratio = ClampRatio(s.Step2_Ratio);
    c.width = s.Step2_Width;
    c.height = s.Step2_Height;
    c.format = s.Step3_Forma;
    c.quality = std::clamp<int>(s.Step3_Quality, 1, 100);
    c.interpolation = s.Step3_Interpolation;
    c.sameFolder = s.HowStep4_SameFolder;
    c.moveFolder = s.HowStep4_MoveFolder;
    c.outputFolder = s.Step4_SaveFolder;
    if (!c.outputFolder.isEmpty())
        AddBackslash(c.outputFolder);
    c.keepName = s.HowStep5_Overwrite;
    c.fixedText = s.HowStep5a_FixChara;
    c.front = s.HowStep5b_AddFront;
    c.zeroFill = s.Step5_EmbedZero;
    c.overwrite = s.Step5_OvereriteSameFile;
    c.text = s.Step5_AddChara.left(kShrinkFixedTextChars);
    return c;
}

void StoreShrinkChoices(const ShrinkChoices& c)
{
    AppSettingsRecord& s = AppSettings;
    s.HowStep1_AllImage = c.allImages;
    s.Step2_HowRatio = c.ratioMode;
    s.Step2_Ratio = static_cast<WORD>(ClampRatio(c.ratio));
    s.Step2_Width = static_cast<WORD>(std::clamp(c.width, 0, 0xFFFF));
    s.Step2_Height = static_cast<WORD>(std::clamp(c.height, 0, 0xFFFF));
    s.Step3_Forma = static_cast<BYTE>(c.format);
    s.Step3_Quality = static_cast<BYTE>(std::clamp(c.quality, 1, 100));
    s.Step3_Interpolation = c.interpolation;
    s.HowStep4_SameFolder = c.sameFolder;
    s.HowStep4_MoveFolder = c.moveFolder;
    QString folder = c.outputFolder;
    if (!folder.isEmpty())
        AddBackslash(folder);
    s.Step4_SaveFolder = folder;
    s.HowStep5_Overwrite = c.keepName;
    s.HowStep5a_FixChara = c.fixedText;
    s.HowStep5b_AddFront = c.front;
    s.Step5_EmbedZero = c.zeroFill;
    s.Step5_OvereriteSameFile = c.overwrite;
    s.Step5_AddChara = c.text.left(kShrinkFixedTextChars);
}

QString ShrinkExtension(int format)
{
    if (format == kShrinkBmp)
        return QStringLiteral("bmp");
    if (format == kShrinkPng)
        return QStringLiteral("png");
    return QStringLiteral("jpg");
}

QString ShrinkSerial(int k, int count, bool zeroFill)
{
    QString serial = QString::number(k);
    if (zeroFill)
        PadStringLeft(serial, u'0', CountDecimalDigits(count));
    return serial;
}

QString ShrinkOutputName(const QString& stem, int k, int count, const ShrinkChoices& c)
{
    const QString extension = ShrinkExtension(c.format);
    if (c.keepName == 1)
        return stem + u'.' + extension;
    if (c.fixedText == 1)
        return (c.front == 1 ? c.text + stem : stem + c.text) + u'.' + extension;
    const QString serial = ShrinkSerial(k, count, c.zeroFill == 1);
    return (c.front == 1 ? serial + u'-' + stem : stem + u'-' + serial) + u'.' + extension;
}

QString ShrinkExampleName(const QString& stem, int count, const ShrinkChoices& c)
{
    ShrinkChoices renamed = c;
    renamed.keepName = 0;
    return ShrinkOutputName(stem, 1, count, renamed);
}

QString ShrinkOutputPath(const QString& shownFolder, const ShrinkChoices& c, const QString& name)
{
    if (c.sameFolder == 1)
        return shownFolder.endsWith(u'/') ? shownFolder + name : shownFolder + u'/' + name;
    return c.outputFolder + name;
}

QString ShrinkStem(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot > 0 ? fileName.left(dot) : fileName;
}

int ClampRatio(int ratio)
{
    return std::clamp(ratio, 1, 100);
}

SIZE RatioSize(SIZE reference, int ratio)
{
    const long long r = ClampRatio(ratio);
    return SIZE{static_cast<LONG>(std::max<long long>(1, r * reference.cx / 100)),
        static_cast<LONG>(std::max<long long>(1, r * reference.cy / 100))};
}

std::optional<SIZE> ShrinkTargetSize(SIZE image, const ShrinkChoices& c)
{
    if (c.ratioMode == 1)
        return RatioSize(image, c.ratio);
    if (image.cx < c.width || image.cy < c.height || c.width < 1 || c.height < 1)
        return std::nullopt;
    return SIZE{c.width, c.height};
}

namespace {

// Width over height of the reference; 1 for an empty one.
double AspectOf(SIZE reference)
{
    if (reference.cx <= 0 || reference.cy <= 0)
        return 1.0;
    return static_cast<double>(reference.cx) / static_cast<double>(reference.cy);
}

int ClampSide(int typed, LONG referenceSide)
{
    if (referenceSide < kShrinkMinSide)
        return kShrinkMinSide;
    return std::clamp<int>(typed, kShrinkMinSide, referenceSide);
}

SIZE TypedWidth(int typed, SIZE reference, SIZE current, bool cascade);

// A side that changed derives the other by the reference's aspect ratio; a
// derived side below the minimum is checked once by its own rule.
SIZE TypedHeight(int typed, SIZE reference, SIZE current, bool cascade)
{
    SIZE size = current;
    size.cy = ClampSide(typed, reference.cy);
    if (size.cy == current.cy)
        return size;
    size.cx = std::max(1, static_cast<int>(size.cy * AspectOf(reference)));
    if (cascade && size.cx < kShrinkMinSide)
        return TypedWidth(size.cx, reference, size, false);
    return size;
}

SIZE TypedWidth(int typed, SIZE reference, SIZE current, bool cascade)
{
    SIZE size = current;
    size.cx = ClampSide(typed, reference.cx);
    if (size.cx == current.cx)
        return size;
    size.cy = std::max(1, static_cast<int>(size.cx / AspectOf(reference)));
    if (cascade && size.cy < kShrinkMinSide)
        return TypedHeight(size.cy, reference, size, false);
    return size;
}

}  // namespace

SIZE FitShrinkSize(SIZE reference, SIZE first, SIZE current)
{
    const double r = AspectOf(reference);
    if (first.cx < current.cx)
        return SIZE{first.cx, static_cast<LONG>(first.cx / r)};
    if (first.cy < current.cy)
        return SIZE{static_cast<LONG>(first.cy * r), first.cy};
    return SIZE{current.cx, static_cast<LONG>(current.cx / r)};
}

SIZE ApplyTypedWidth(int typed, SIZE reference, SIZE current)
{
    return TypedWidth(typed, reference, current, true);
}

SIZE ApplyTypedHeight(int typed, SIZE reference, SIZE current)
{
    return TypedHeight(typed, reference, current, true);
}

ShrinkEnables ShrinkEnablesFor(const ShrinkChoices& c)
{
    ShrinkEnables e;
    e.ratioControls = c.ratioMode == 1;
    e.sizeEdits = !e.ratioControls;
    e.quality = c.format == kShrinkJpeg;
    e.folderControls = c.sameFolder != 1;
    const bool renamed = c.keepName != 1;
    e.namingControls = renamed;
    e.exampleShown = renamed;
    e.fixedTextEdit = renamed && c.fixedText == 1;
    e.zeroFill = renamed && c.fixedText != 1;
    e.overwriteForced = !renamed && c.sameFolder == 1;
    e.overwriteEnabled = !e.overwriteForced;
    return e;
}

ShrinkNotice ShrinkNoticeFor(int sizeKinds, bool sameAspect)
{
    if (sizeKinds <= 1)
        return {QStringLiteral("● 変換条件を上から順にセットして下さい。"), false};
    if (sameAspect)
        return {QStringLiteral("異なる画像サイズのファイルが選択されています。"), true};
    return {QStringLiteral("確認 : 異なる縦横比のファイルが選択されています。"), true};
}

QString SizeText(SIZE size)
{
    return QStringLiteral("%1×%2").arg(size.cx).arg(size.cy);
}

QString ShrinkSizeLabel(SIZE size, int count)
{
    if (size.cx == 0 && size.cy == 0)
        return QStringLiteral("--:--");
    return QStringLiteral("%1 (%2 ﾌｧｲﾙ)").arg(SizeText(size)).arg(count);
}

QString ShrinkFixedTextRefusal(const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("追加する文字列が入力されていません。");
    if (text.contains(u'/') || text.contains(u'\\'))
        return QStringLiteral("ドライブ及びパスの指定は出来ません。");
    return {};
}

bool IsShrinkDiskLow(ULONGLONG estimateBytes, DWORD freeMB)
{
    return estimateBytes / 1000000ULL >= freeMB;
}
