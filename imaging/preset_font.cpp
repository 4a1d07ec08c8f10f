#include "imaging/preset_font.h"

namespace {

constexpr BYTE kSjis = SHIFTJIS_CHARSET;
constexpr BYTE kAnsi = ANSI_CHARSET;

// Full-width Latin letters in the Japanese face names: ＭＳ (U+FF2D U+FF33), Ｐ (U+FF30).
const PresetFontEntry kPresets[kPresetFontCount] = {
    {u"System", -19, kSjis, 1, 0x02},
    {u"ＭＳ Ｐ明朝", -10, kSjis, 3, 0x12},
    {u"ＭＳ Ｐ明朝", -13, kSjis, 3, 0x12},
    {u"ＭＳ Ｐ明朝", -16, kSjis, 3, 0x12},
    {u"ＭＳ Ｐ明朝", -19, kSjis, 3, 0x12},
    {u"ＭＳ 明朝", -10, kSjis, 3, 0x11},
    {u"ＭＳ 明朝", -13, kSjis, 3, 0x11},
    {u"ＭＳ 明朝", -16, kSjis, 3, 0x11},
    {u"ＭＳ 明朝", -19, kSjis, 3, 0x11},
    {u"ＭＳ Ｐゴシック", -10, kSjis, 3, 0x32},
    {u"ＭＳ Ｐゴシック", -13, kSjis, 3, 0x32},
    {u"ＭＳ Ｐゴシック", -16, kSjis, 3, 0x32},
    {u"ＭＳ Ｐゴシック", -19, kSjis, 3, 0x32},
    {u"ＭＳ ゴシック", -10, kSjis, 3, 0x31},
    {u"ＭＳ ゴシック", -13, kSjis, 3, 0x31},
    {u"ＭＳ ゴシック", -16, kSjis, 3, 0x31},
    {u"ＭＳ ゴシック", -19, kSjis, 3, 0x31},
    {u"Times New Roman", -13, kAnsi, 3, 0x12},
    {u"Times New Roman", -16, kAnsi, 3, 0x12},
    {u"Times New Roman", -19, kAnsi, 3, 0x12},
    {u"Terminal", -13, kSjis, 1, 0x01},
    {u"Terminal", -19, kSjis, 1, 0x01},
    {u"Courier", -13, kAnsi, 1, 0x31},
    {u"Courier", -16, kAnsi, 1, 0x31},
    {u"Courier", -20, kAnsi, 1, 0x31},
    {u"MS Sans Serif", -10, kSjis, 1, 0x22},
    {u"MS Sans Serif", -13, kSjis, 1, 0x22},
    {u"MS Sans Serif", -15, kSjis, 1, 0x22},
    {u"MS Sans Serif", -17, kSjis, 1, 0x22},
    {u"MS Sans Serif", -18, kSjis, 1, 0x22},
    {u"MS Sans Serif", -20, kSjis, 1, 0x22},
    {u"IMPACT", -13, kSjis, 1, 0x12},
};

constexpr int kFaceBound = 20;

void CopyFace(LOGFONTW* lf, const char16_t* face)
{
    // At most 20 characters; a shorter face is padded with terminators up to the bound.
    bool ended = false;
    for (int i = 0; i < kFaceBound; ++i) {
        if (!ended && face[i] == 0)
            ended = true;
        lf->lfFaceName[i] = ended ? u'\0' : face[i];
    }
}

}  // namespace

const PresetFontEntry& PresetFontAt(int type)
{
    return kPresets[type];
}

void ApplyDefaultLogFont(LOGFONTW* lf)
{
    *lf = LOGFONTW{};
    lf->lfHeight = -19;
    lf->lfWeight = FW_BOLD;
    lf->lfCharSet = SHIFTJIS_CHARSET;
    lf->lfOutPrecision = OUT_STRING_PRECIS;
    lf->lfClipPrecision = CLIP_STROKE_PRECIS;
    lf->lfQuality = DRAFT_QUALITY;
    lf->lfPitchAndFamily = VARIABLE_PITCH | FF_DONTCARE;
    CopyFace(lf, u"System");
}

void ApplyPresetFont(LOGFONTW* lf, const PresetFontEntry& preset)
{
    CopyFace(lf, preset.face);
    lf->lfHeight = preset.height;
    lf->lfCharSet = preset.charSet;
    lf->lfOutPrecision = preset.outPrecision;
    lf->lfPitchAndFamily = preset.pitchAndFamily;
}

CPresetFont::CPresetFont() : m_font(std::make_unique<CFont>()), m_logFont(std::make_unique<LOGFONTW>())
{
    ApplyDefaultLogFont(m_logFont.get());
}

CPresetFont::CPresetFont(int type) : CPresetFont()
{
    SetType(type);
}

CPresetFont::~CPresetFont() = default;

void CPresetFont::SetType(int type)
{
    m_type = type;
    if (type >= 0 && type < kPresetFontCount)
        ApplyPresetFont(m_logFont.get(), kPresets[type]);
}
