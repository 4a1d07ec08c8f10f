// The rows of the settings table (settings_keys.h), section by section in
// the order the file holds them. Keys keep their historical spellings
// (AmbiguousLeve, Step3_Forma, ...): stored files depend on them.
#include "core/settings/settings_keys.h"

#include <cstring>
#include <initializer_list>
#include <limits>

namespace {

using S = AppSettingsRecord;

constexpr std::int64_t kMinValue = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMaxValue = std::numeric_limits<std::int64_t>::max();

// Range rules.
constexpr CheckRule NoCheck()
{
    return {};
}
constexpr CheckRule Cross()
{
    return {.kind = CheckKind::Cross};
}
constexpr CheckRule Bounds(std::int64_t lo, std::int64_t belowValue, std::int64_t hi, std::int64_t aboveValue)
{
    return {
        .kind = CheckKind::Bounds, .lo = lo, .hi = hi, .belowValue = belowValue, .aboveValue = aboveValue};
}
// lo..hi else v
constexpr CheckRule Range(std::int64_t lo, std::int64_t hi, std::int64_t v)
{
    return Bounds(lo, v, hi, v);
}
// lo..hi else v, and the value `excluded` becomes v as well
constexpr CheckRule RangeExcept(std::int64_t lo, std::int64_t hi, std::int64_t v, std::int64_t excluded)
{
    CheckRule rule = Range(lo, hi, v);
    rule.excluded = excluded;
    return rule;
}
constexpr CheckRule Clamp(std::int64_t lo, std::int64_t hi)
{
    return Bounds(lo, lo, hi, hi);
}
constexpr CheckRule Above(std::int64_t hi, std::int64_t v)
{
    return Bounds(kMinValue, 0, hi, v);
}
constexpr CheckRule UnsignedAbove(std::int64_t hi, std::int64_t v)
{
    CheckRule rule = Above(hi, v);
    rule.asUnsigned = true;
    return rule;
}
constexpr CheckRule NotNegative(std::int64_t v)
{
    return Bounds(0, v, kMaxValue, 0);
}
constexpr CheckRule OneOf(std::initializer_list<std::int64_t> values, std::int64_t otherwise)
{
    CheckRule rule{.kind = CheckKind::OneOf, .otherwise = otherwise};
    for (std::int64_t v : values) {
        rule.set[static_cast<std::size_t>(rule.setSize++)] = v;
    }
    return rule;
}
constexpr CheckRule ZeroOne(std::int64_t otherwise)
{
    return OneOf({0, 1}, otherwise);
}
constexpr CheckRule NonZeroToOne()
{
    return OneOf({0}, 1);
}
constexpr CheckRule NotOne(std::int64_t otherwise)
{
    return OneOf({1}, otherwise);
}
// loMember..hiMember else v; a null loMember stands for the constant lo.
constexpr CheckRule MemberRange(int S::*loMember, int S::*hiMember, std::int64_t v, std::int64_t lo = 0)
{
    CheckRule rule = Range(lo, 0, v);
    rule.loMember = loMember;
    rule.hiMember = hiMember;
    return rule;
}

// Rows.
#define K(name) #name, &S::name

constexpr SettingKey Number(const char* key, SettingKind kind, SettingMember member, std::int64_t def,
    CheckRule check, unsigned flags)
{
    return {.key = key, .kind = kind, .member = member, .number = def, .check = check, .flags = flags};
}
constexpr SettingKey Int(const char* key, int S::*m, std::int64_t def, CheckRule c = {}, unsigned flags = 0)
{
    return Number(key, SettingKind::Int, m, def, c, flags);
}
constexpr SettingKey UInt(const char* key, UINT S::*m, std::int64_t def, CheckRule c = {})
{
    return Number(key, SettingKind::UInt, m, def, c, 0);
}
constexpr SettingKey Colour(const char* key, COLORREF S::*m, std::int64_t def, CheckRule c = {})
{
    return Number(key, SettingKind::Colour, m, def, c, 0);
}
constexpr SettingKey Word(const char* key, WORD S::*m, std::int64_t def, CheckRule c = {})
{
    return Number(key, SettingKind::Word, m, def, c, 0);
}
constexpr SettingKey Byte(const char* key, BYTE S::*m, std::int64_t def, CheckRule c = {})
{
    return Number(key, SettingKind::Byte, m, def, c, 0);
}
constexpr SettingKey Text(const char* key, QString S::*m, int capacity, const char* def,
    DefaultFrom from = DefaultFrom::Constant, unsigned flags = 0)
{
    return {.key = key,
        .kind = SettingKind::Text,
        .member = m,
        .text = def,
        .from = from,
        .capacity = capacity,
        .flags = flags};
}
constexpr SettingKey Rect(
    const char* key, RECT S::*m, RECT def, const std::array<const char*, 4>* legacyEdges)
{
    return {.key = key, .kind = SettingKind::Rect, .member = m, .rect = def, .legacyEdges = legacyEdges};
}
constexpr SettingKey ScreenRect(const char* key, RECT S::*m)
{
    return {.key = key, .kind = SettingKind::Rect, .member = m, .from = DefaultFrom::ScreenRect};
}
constexpr SettingKey Legacy(SettingKey k, const char* legacyKey)
{
    k.legacyKey = legacyKey;
    return k;
}

// The edges of the rectangles as separate keys of the legacy file.
constexpr std::array<const char*, 4> kPrevSaveEdges = {
    "PrevSaveLeft", "PrevSaveTop", "PrevSaveRight", "PrevSaveBottom"};
constexpr std::array<const char*, 4> kTreeFolderEdges = {
    "rctTreeFolder_l", "rctTreeFolder_t", "rctTreeFolder_r", "rctTreeFolder_b"};
constexpr std::array<const char*, 4> kTreeFileEdges = {
    "rctTreeFile_l", "rctTreeFile_t", "rctTreeFile_r", "rctTreeFile_b"};
constexpr std::array<const char*, 4> kExtFilterEdges = {
    "rctExtFilter_l", "rctExtFilter_t", "rctExtFilter_r", "rctExtFilter_b"};
constexpr std::array<const char*, 4> kExploreEdges = {
    "rctExplore_l", "rctExplore_t", "rctExplore_r", "rctExplore_b"};
constexpr std::array<const char*, 4> kTreeFolder2Edges = {
    "rctTreeFolder_l_2", "rctTreeFolder_t_2", "rctTreeFolder_r_2", "rctTreeFolder_b_2"};
constexpr std::array<const char*, 4> kClipRect01Edges = {
    "ClipRect01_l", "ClipRect01_t", "ClipRect01_r", "ClipRect01_b"};
constexpr std::array<const char*, 4> kClipRect02Edges = {
    "ClipRect02_l", "ClipRect02_t", "ClipRect02_r", "ClipRect02_b"};
constexpr std::array<const char*, 4> kClipRect03Edges = {
    "ClipRect03_l", "ClipRect03_t", "ClipRect03_r", "ClipRect03_b"};
constexpr std::array<const char*, 4> kClipRect04Edges = {
    "ClipRect04_l", "ClipRect04_t", "ClipRect04_r", "ClipRect04_b"};
constexpr std::array<const char*, 4> kClipRect05Edges = {
    "ClipRect05_l", "ClipRect05_t", "ClipRect05_r", "ClipRect05_b"};
constexpr std::array<const char*, 4> kClipRect06Edges = {
    "ClipRect06_l", "ClipRect06_t", "ClipRect06_r", "ClipRect06_b"};
constexpr std::array<const char*, 4> kClipRect07Edges = {
    "ClipRect07_l", "ClipRect07_t", "ClipRect07_r", "ClipRect07_b"};
constexpr std::array<const char*, 4> kClipRect08Edges = {
    "ClipRect08_l", "ClipRect08_t", "ClipRect08_r", "ClipRect08_b"};
constexpr std::array<const char*, 4> kClipRect09Edges = {
    "ClipRect09_l", "ClipRect09_t", "ClipRect09_r", "ClipRect09_b"};
constexpr std::array<const char*, 4> kClipRect10Edges = {
    "ClipRect10_l", "ClipRect10_t", "ClipRect10_r", "ClipRect10_b"};
constexpr std::array<const char*, 4> kClipRect11Edges = {
    "ClipRect11_l", "ClipRect11_t", "ClipRect11_r", "ClipRect11_b"};
constexpr std::array<const char*, 4> kClipRect12Edges = {
    "ClipRect12_l", "ClipRect12_t", "ClipRect12_r", "ClipRect12_b"};

// [-Directory-]
constexpr SettingKey kDirectoryKeys[] = {
    Text(K(LastAccessDir), kSettingsTextCapacity, "", DefaultFrom::ProgramFolder),
    Text(K(TreeLastDir), kSettingsTextCapacity, "no_choice_tree_control"),
};

// [-ImageOption-]
constexpr SettingKey kImageOptionKeys[] = {
    UInt(K(OptionTabNo), 0, Above(3, 0)),
    UInt(K(BMP_dpi), 96, Range(1, 10000, 96)),
    Int(K(ForceSave_dpi), 0, ZeroOne(0)),
    Int(K(MinSaveSize), 1, Range(1, 100, 1)),
    Int(K(MaxSaveSizeWidth), 10000, RangeExcept(2000, 10000, 10000, 6000)),
    Int(K(MaxSaveSizeHeight), 8000, Range(4000, 8000, 8000)),
    Byte(K(ClipIncVolume), 10, Range(1, 255, 10)),
    Int(K(ClipVerSize), 500,
        MemberRange(&AppSettingsRecord::MinSaveSize, &AppSettingsRecord::MaxSaveSizeHeight, 500)),
    Int(K(ClipHorSize), 500,
        MemberRange(&AppSettingsRecord::MinSaveSize, &AppSettingsRecord::MaxSaveSizeWidth, 500)),
    Int(K(IsLinkSize), 1),
    Colour(K(HighlightColor), 0x808080, Above(0xFFFFFF, 0x808080)),
    UInt(K(BltRopMode), 1, OneOf({1, 0xEE0086, 0x660046, 0x440328, 0xC000CA, 0xBB0226}, 1)),
    Rect(K(PrevSaveRect), {-1, -1, -1, -1}, &kPrevSaveEdges),
    Int(K(CaptureKestrel), 0, ZeroOne(0)),
    Int(K(FixSaveArea), 0, Cross()),
    UInt(K(ZoomStep), 350, Range(50, 600, 350)),
    UInt(K(ClipZoomMag), 110, Range(101, 150, 110)),
    Int(K(SmoothClip), 0, ZeroOne(0)),
    Byte(K(BlackWhiteLevel), 8, Clamp(3, 14)),
    Word(K(MaxHBitmapNumber), 2000, Clamp(500, 9000)),
    Word(K(KeyPushWait), 100, Range(1, 1000, 100)),
    Word(K(MaxAllocMemMB), 1000, Range(10, 2000, 1000)),
    Int(K(ImageComplement), 1, NonZeroToOne()),
    Int(K(KeepRatioSize), 1, NonZeroToOne()),
    Int(K(MakeFilenameAuto), 0, NoCheck(), kNotInLegacy),
    Int(K(MakeFilenameOnlyCapture), 0, NoCheck(), kNotInLegacy),
    Int(K(MakeFilenameHowto), 0, NoCheck(), kNotInLegacy),
    Int(K(MakeFilenameDigit), 4, Clamp(3, 5), kNotInLegacy),
    Int(K(MakeFilenameExcludeSameFile), 1, NoCheck(), kNotInLegacy),
    Text(K(MakeFilenameFrontStr), kSettingsTextCapacity, "Kestrel-", DefaultFrom::Constant, kNotInLegacy),
};

// [-OptionBasic-]
constexpr SettingKey kOptionBasicKeys[] = {
    Word(K(WaitForCapture), 700, Range(100, 7000, 700)),
    Int(K(CaptureMouseCursor), 0, ZeroOne(0)),
    Int(K(CaptureListMax), 30, Range(5, 30, 12), kNotReadFromCfg | kNotInLegacy),
    Byte(K(DefSaveFormat), 2, Range(1, 5, 1)),
    Int(K(ShowZoomDlg), 1, ZeroOne(0)),
    Int(K(CenterZoom), 0, ZeroOne(0)),
    Int(K(SmoothMove), 0, NonZeroToOne(), kNotReadFromCfg | kNotInLegacy),
    Int(K(ConnectTreeFile), 1, ZeroOne(0)),
    Int(K(LevelPixelGrid), 10, Range(4, 15, 10)),
    Int(K(MaxZoomMag), 20, Range(5, 35, 20)),
    Int(K(HitZoomMag), 20, MemberRange(nullptr, &AppSettingsRecord::MaxZoomMag, 20, 1)),
    Int(K(ViewEvenScale), 1, NonZeroToOne()),
    Byte(K(HighlightZoomAreaClick), 0, Above(2, 0)),
    Byte(K(HighlightZoomAreaWheel), 1, Above(2, 1)),
    Int(K(HowToFirstMessage), 0, ZeroOne(0)),
    Int(K(HowToRangeClick), 0, ZeroOne(0)),
    Int(K(HowToRangeWheel), 0, ZeroOne(0)),
    Int(K(HowToClipSave), 0, ZeroOne(0)),
};

// [-OptionBasic 2-]
constexpr SettingKey kOptionBasic2Keys[] = {
    Int(K(IsClipWindowPos), 1, NonZeroToOne()),
    Int(K(ClipCloseOnSave), 0, ZeroOne(0)),
    Int(K(ClipCloseOnClip), 0, ZeroOne(0)),
    Int(K(UseContinueCapture), 1, NonZeroToOne()),
    Byte(K(ColorRadix), 16, OneOf({10, 16}, 16)),
    Int(K(ClipWindowPos0X), -1, Cross()),
    Int(K(ClipWindowPos0Y), -1, Cross()),
    Int(K(ClipWindowPos1X), -1, Cross()),
    Int(K(ClipWindowPos1Y), -1, Cross()),
    Int(K(ClipWindowPos2X), -1, Cross()),
    Int(K(ClipWindowPos2Y), -1, Cross()),
    Int(K(ClipWindowPos3X), -1, Cross()),
    Int(K(ClipWindowPos3Y), -1, Cross()),
    Int(K(ClipWindowPos4X), -1, Cross()),
    Int(K(ClipWindowPos4Y), -1, Cross()),
    Int(K(ClipWindowPos5X), -1, Cross()),
    Int(K(ClipWindowPos5Y), -1, Cross()),
    Int(K(ClipWindowPos6X), -1, Cross()),
    Int(K(ClipWindowPos6Y), -1, Cross()),
    Int(K(ClipWindowPos7X), -1, Cross()),
    Int(K(ClipWindowPos7Y), -1, Cross()),
    Int(K(ClipWindowPos8X), -1, Cross()),
    Int(K(ClipWindowPos8Y), -1, Cross()),
    Int(K(ClipWindowPos9X), -1, Cross()),
    Int(K(ClipWindowPos9Y), -1, Cross()),
    Int(K(ClipWindowPos10X), -1, Cross()),
    Int(K(ClipWindowPos10Y), -1, Cross()),
    Int(K(ClipWindowPos11X), -1, Cross()),
    Int(K(ClipWindowPos11Y), -1, Cross()),
};

// [-OptionColor-]
constexpr SettingKey kOptionColorKeys[] = {
    Int(K(ShowPixelGrid), 1, NonZeroToOne()),
    Int(K(PixelGridType), 0, OneOf({0, 2}, 0)),
    Int(K(ViewRangeCorr), 1, NonZeroToOne()),
    Int(K(ViewCenterMarker), 1, NonZeroToOne()),
    Colour(K(GridColor), 0x808080, Above(0xFFFFFF, 0x808080)),
    Colour(K(SelRangeColor), 0xFF00FF, Above(0xFFFFFF, 0xFF00FF)),
    Colour(K(SelCenterMarkerColor), 0x808080, Above(0xFFFFFF, 0x808080)),
    Colour(K(SelRangeCorrXYColor), 0, Above(0xFFFFFF, 0)),
    Colour(K(SelRangeCorrSizeColor), 0xFF, Above(0xFFFFFF, 0xFF)),
    Colour(K(SelRangeCorrXYColorBk), 0xFFFFFF, Above(0xFFFFFF, 0xC0C0C0)),
    Colour(K(SelRangeCorrSizeColorBk), 0xFFFFFF, Above(0xFFFFFF, 0xC0C0C0)),
};

// [-OptionScCap-]
constexpr SettingKey kOptionScCapKeys[] = {
    Int(K(ScrollWait), 50, Range(5, 500, 50)),
    Byte(K(AfterScrollBehave), 1, Range(1, 5, 1)),
    Byte(K(AmbiguousLeve), 1, Above(5, 1)),
    Byte(K(ScrollRate), 67, Cross()),
    Int(K(MatchLineNum), 50, Range(50, 350, 50)),
    Byte(K(DoScrollCapture), 2, Above(2, 2)),
};

// [-OptionMulti-]
constexpr SettingKey kOptionMultiKeys[] = {
    Int(K(Edit_DBL_Click), 0, ZeroOne(0)),
    Int(K(Edit_DBL_Click_Preview), 0),
    Int(K(Edit_Enter_Key), 0, ZeroOne(0)),
    Int(K(ThumCoarseView), 1, OneOf({1, 2}, 1)),
    Int(K(PageChangeRange), 2, Range(1, 2, 2)),
};

// [-JpegQuality-]
constexpr SettingKey kJpegQualityKeys[] = {
    Int(K(ShowQualityDlg), 1, NonZeroToOne()),
    Byte(K(JpegQuality), 85, Range(1, 100, 85)),
};

// [-ContrastDlg-]
constexpr SettingKey kContrastDlgKeys[] = {
    Int(K(LinkRed), 1, NonZeroToOne()),
    Int(K(LinkGreen), 1, NonZeroToOne()),
    Int(K(LinkBlue), 1, NonZeroToOne()),
    Int(K(ContrastDlgPosX), -1, Cross()),
    Int(K(ContrastDlgPosY), -1, Cross()),
};

// [-TreeFile-]
constexpr SettingKey kTreeFileKeys[] = {
    UInt(K(ExtFilterNo), 0, Above(5, 1)),
    Int(K(TreeDlgPosX), -1, Cross()),
    Int(K(TreeDlgPosY), -1, Cross()),
    Rect(K(rctTreeFolder_rect), {0, 0, 240, 180}, &kTreeFolderEdges),
    Rect(K(rctTreeFile_rect), {0, 0, 240, 250}, &kTreeFileEdges),
    Rect(K(rctExtFilter_rect), {0, 0, 210, 21}, &kExtFilterEdges),
    Rect(K(rctExplore_rect), {0, 0, 26, 21}, &kExploreEdges),
};

// [-TreeFile2-]
constexpr SettingKey kTreeFile2Keys[] = {
    Int(K(TreeDlgPosX2), -1, Cross()),
    Int(K(TreeDlgPosY2), -1, Cross()),
    Rect(K(rctTreeFolder2_rect), {0, 0, 240, 360}, &kTreeFolder2Edges),
    Int(K(ShowDirectFolder), 1, NonZeroToOne()),
    Int(K(ShowTextAlign), 1, NonZeroToOne()),
    Text(K(ShortCutFolder1), kSettingsSlotCapacity, ""),
    Text(K(ShortCutFolder2), kSettingsSlotCapacity, ""),
    Text(K(ShortCutFolder3), kSettingsSlotCapacity, ""),
    Text(K(ShortCutFolder4), kSettingsSlotCapacity, ""),
    Text(K(ShortCutFolder5), kSettingsSlotCapacity, ""),
};

// [-WorkFolder-]
constexpr SettingKey kWorkFolderKeys[] = {
    Text(K(WorkFolder01), kSettingsSlotCapacity, ""),
    Text(K(WorkFolder02), kSettingsSlotCapacity, ""),
    Text(K(WorkFolder03), kSettingsSlotCapacity, ""),
    Text(K(WorkFolder04), kSettingsSlotCapacity, ""),
    Text(K(WorkFolder05), kSettingsSlotCapacity, ""),
    Text(K(WorkFolder06), kSettingsSlotCapacity, ""),
    Text(K(WorkFolder07), kSettingsSlotCapacity, ""),
    Text(K(WorkFolder08), kSettingsSlotCapacity, ""),
    Text(K(WorkFolder09), kSettingsSlotCapacity, ""),
    Text(K(WorkFolder10), kSettingsSlotCapacity, ""),
    Int(K(FolderHistory), 1, NonZeroToOne()),
    Int(K(WorkFolderIndex), 0, Range(0, 9, 0)),
};

// [-ClipHistory-]
constexpr SettingKey kClipHistoryKeys[] = {
    Byte(K(ClipHistory), 1, Above(2, 1)),
    Rect(K(ClipRect01_rect), {1, 1, 1, 1}, &kClipRect01Edges),
    Rect(K(ClipRect02_rect), {1, 1, 1, 1}, &kClipRect02Edges),
    Rect(K(ClipRect03_rect), {1, 1, 1, 1}, &kClipRect03Edges),
    Rect(K(ClipRect04_rect), {1, 1, 1, 1}, &kClipRect04Edges),
    Rect(K(ClipRect05_rect), {1, 1, 1, 1}, &kClipRect05Edges),
    Rect(K(ClipRect06_rect), {1, 1, 1, 1}, &kClipRect06Edges),
    Rect(K(ClipRect07_rect), {1, 1, 1, 1}, &kClipRect07Edges),
    Rect(K(ClipRect08_rect), {1, 1, 1, 1}, &kClipRect08Edges),
    Rect(K(ClipRect09_rect), {1, 1, 1, 1}, &kClipRect09Edges),
    Rect(K(ClipRect10_rect), {1, 1, 1, 1}, &kClipRect10Edges),
    Rect(K(ClipRect11_rect), {1, 1, 1, 1}, &kClipRect11Edges),
    Rect(K(ClipRect12_rect), {1, 1, 1, 1}, &kClipRect12Edges),
    ScreenRect(K(ClipPrevRect)),
    Int(K(ClipHistoryProtect), 0, UnsignedAbove(0xFFF, 0)),
    Int(K(ClipHistoryIndex), -1, Range(-1, 11, -1)),
};

// [-Print-]
constexpr SettingKey kPrintKeys[] = {
    Byte(K(HowToPrint), 0, Above(2, 0)),
    Byte(K(PaperUnit), 8, OneOf({4, 8}, 8)),
    Int(K(MarginLeft), 2000, NotNegative(2000)),
    Int(K(MarginRight), 2000, NotNegative(2000)),
    Int(K(MarginTop), 2000, NotNegative(2000)),
    Int(K(MarginBottom), 2000, NotNegative(2000)),
    Byte(K(MarginSpinVolume), 2, OneOf({1, 2}, 2)),
    Int(K(ViewPage), 0, NotOne(0)),
    Byte(K(ViewPagePos), 2, Range(1, 3, 2)),
    Byte(K(ViewFormat), 1, Range(1, 2, 1)),
    Int(K(DlgPrintOutLeft), -1),
    Int(K(DlgPrintOutRight), -1),
    Int(K(DlgPrintOutTop), -1),
    Int(K(DlgPrintOutBottom), -1),
    Int(K(ViewExPrnMenu), 1, ZeroOne(0)),
    Int(K(IndependMargin), 0, ZeroOne(0)),
};

// [-Measure-]
constexpr SettingKey kMeasureKeys[] = {
    UInt(K(PixelRange), 100, Range(10, 99999, 100)),
    UInt(K(VirtualRange), 100, Range(10, 99999, 100)),
    UInt(K(ScaleLineWidth), 1, Range(1, 3, 1)),
    UInt(K(SpinAdd_Pixel), 100, Range(1, 1000, 100)),
    UInt(K(SpinAdd_Virtual), 100, Range(10, 1000, 100)),
    Colour(K(MeasureColor_1), 0xFF0000),
};

// [-Small Image-]
constexpr SettingKey kSmallImageKeys[] = {
    Text(K(Step4_SaveFolder), kSettingsTextCapacity, "", DefaultFrom::ProgramFolder),
    Text(K(Step5_AddChara), kAddCharaCapacity, "small-"),
    Int(K(HowStep1_AllImage), 1),
    Legacy(Int(K(Step2_HowRatio), 1), "HowStep2_Ratio"),
    Word(K(Step2_Ratio), 50, Clamp(1, 100)),
    Word(K(Step2_Width), 800, Cross()),
    Word(K(Step2_Height), 600, Cross()),
    Byte(K(Step3_Forma), 2, OneOf({1, 2, 5}, 2)),
    Byte(K(Step3_Quality), 90, Clamp(1, 100)),
    Int(K(Step3_Interpolation), 1),
    Int(K(HowStep4_SameFolder), 1),
    Int(K(HowStep4_MoveFolder), 0),
    Int(K(HowStep5_Overwrite), 0),
    Int(K(HowStep5a_FixChara), 1),
    Int(K(HowStep5b_AddFront), 1),
    Int(K(Step5_EmbedZero), 1),
    Int(K(Step5_OvereriteSameFile), 1),
};

// [-ThumbnailMaskInfo-]
constexpr SettingKey kThumbnailMaskInfoKeys[] = {
    Word(K(MaskExt), 0),
    Int(K(TMIDlgPos_x), 0, Cross()),
    Int(K(TMIDlgPos_y), 0, Cross()),
    Int(K(IsTMIExtMode), 0),
    Byte(K(ExtensionMask), 1, Range(1, 4, 1)),
    Int(K(IncludeMaskFile), 1),
};

// [-Continue Capture-]
constexpr SettingKey kContinueCaptureKeys[] = {
    Text(K(Step6_cc_SaveFolder), kSettingsTextCapacity, "", DefaultFrom::ProgramFolder),
    ScreenRect(K(Step1_cc_CapRect)),
    Text(K(Step7_cc_Filename), kCcFilenameCapacity, "capture"),
    Byte(K(Step1_cc_Target), 1, OneOf({1, 2}, 1)),
    Int(K(Step1_cc_MouseCursor), 0),
    Int(K(Step2_FirstWait), 700, Range(100, 7000, 700)),
    Word(K(Step3_cc_CapNum), 5, Clamp(1, 10000)),
    Word(K(Step4_cc_CapInterval), 10, Clamp(1, 600)),
    Int(K(Step4_ForceCapture), 0, NotOne(0)),
    Byte(K(Step5_cc_SaveFormat), 2, OneOf({1, 2, 5}, 2)),
    Byte(K(Step5_cc_Quality), 90, Range(1, 100, 90)),
    Int(K(Step6_cc_Goto_MultiMode), 0),
    Int(K(Step7_cc_OverWrite), 0),
    Int(K(Step7_cc_AddFront), 1),
    Byte(K(Step8_WndStatus), 2, OneOf({1, 2}, 2)),
    Byte(K(Step8_ShowPos), 1, OneOf({1, 2}, 1)),
    Word(K(CC_SaveWait_ms), 5000, Bounds(1000, 1000, 10000, 5000)),
};

constexpr SettingSection kSections[] = {
    {"-Directory-", kDirectoryKeys},
    {"-ImageOption-", kImageOptionKeys},
    {"-OptionBasic-", kOptionBasicKeys},
    {"-OptionBasic 2-", kOptionBasic2Keys},
    {"-OptionColor-", kOptionColorKeys},
    {"-OptionScCap-", kOptionScCapKeys},
    {"-OptionMulti-", kOptionMultiKeys},
    {"-JpegQuality-", kJpegQualityKeys},
    {"-ContrastDlg-", kContrastDlgKeys},
    {"-TreeFile-", kTreeFileKeys},
    {"-TreeFile2-", kTreeFile2Keys},
    {"-WorkFolder-", kWorkFolderKeys},
    {"-ClipHistory-", kClipHistoryKeys},
    {"-Print-", kPrintKeys},
    {"-Measure-", kMeasureKeys},
    {"-Small Image-", kSmallImageKeys},
    {"-ThumbnailMaskInfo-", kThumbnailMaskInfoKeys},
    {"-Continue Capture-", kContinueCaptureKeys},
};

#undef K

}  // namespace

std::span<const SettingSection> SettingSections()
{
    return kSections;
}

const SettingKey* FindSettingKey(const char* key)
{
    for (const SettingSection& section : kSections) {
        for (const SettingKey& k : section.keys) {
            if (std::strcmp(k.key, key) == 0) {
                return &k;
            }
        }
    }
    return nullptr;
}
