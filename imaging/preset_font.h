// Preset fonts: a window asks for one of 32 numbered presets instead of
// assembling a font description. The owner picks a preset, may adjust the
// description, creates the font from it (CreateFontIndirectW into the owned
// font object) and sets it on controls or selects it into a DC.
#pragma once

#include "platform/gdi/gdi.h"

#include <memory>

struct PresetFontEntry {
    const char16_t* face;
    LONG height;
    BYTE charSet;
    BYTE outPrecision;
    BYTE pitchAndFamily;
};

constexpr int kPresetFontCount = 32;
// The preset of a type 0..31.
const PresetFontEntry& PresetFontAt(int type);
// The description every preset starts from ("System", -19, bold, SHIFTJIS).
void ApplyDefaultLogFont(LOGFONTW* lf);
// Overwrites face, height, character set, output precision and pitch-and-family from a preset.
void ApplyPresetFont(LOGFONTW* lf, const PresetFontEntry& preset);

class CPresetFont {
public:
    CPresetFont();
    explicit CPresetFont(int type);
    ~CPresetFont();
    CPresetFont(const CPresetFont&) = delete;
    CPresetFont& operator=(const CPresetFont&) = delete;

    // Stores type; 0..31 also apply that preset, other values change nothing else.
    void SetType(int type);
    int GetType() const { return m_type; }
    CFont* GetFont() { return m_font.get(); }
    LOGFONTW* GetLogFont() { return m_logFont.get(); }
    // Makes the font object's handle from the description (once; 0 if it has one).
    BOOL CreateFont() { return m_font->CreateFontIndirectW(m_logFont.get()); }

private:
    std::unique_ptr<CFont> m_font;
    std::unique_ptr<LOGFONTW> m_logFont;
    int m_type = 0;
};
