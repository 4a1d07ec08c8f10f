#include "platform/gdi/gdi_objects.h"

#include <QHash>

QString SubstituteFontFace(const QString& face)
{
    // The platform's faces and the installed faces that stand in for them.
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> t;
        const auto add = [&t](std::initializer_list<const char16_t*> names, const char* to) {
            for (const char16_t* n : names)
                t.insert(QString::fromUtf16(n).toCaseFolded(), QString::fromLatin1(to));
        };
        add({u"ＭＳ Ｐゴシック", u"MS PGothic", u"MS UI Gothic", u"ＭＳ ＵＩ ゴシック", u"Meiryo",
                u"メイリオ", u"Meiryo UI"},
            "IPAPGothic");
        add({u"ＭＳ ゴシック", u"MS Gothic"}, "IPAGothic");
        add({u"ＭＳ Ｐ明朝", u"MS PMincho"}, "IPAPMincho");
        add({u"ＭＳ 明朝", u"MS Mincho"}, "IPAMincho");
        add({u"Times New Roman", u"Times"}, "DejaVu Serif");
        add({u"Courier", u"Courier New", u"Terminal", u"Fixedsys"}, "DejaVu Sans Mono");
        add({u"System", u"MS Sans Serif", u"MS Shell Dlg", u"MS Shell Dlg 2", u"Arial", u"Tahoma",
                u"Segoe UI"},
            "DejaVu Sans");
        add({u"IMPACT"}, "DejaVu Sans Condensed");
        return t;
    }();
    return table.value(face.toCaseFolded(), face);
}

QFont QFontFromLogFont(const LOGFONTW& lf)
{
    int length = 0;
    while (length < LF_FACESIZE && lf.lfFaceName[length])
        ++length;
    const QString face = QString::fromUtf16(lf.lfFaceName, length);
    QFont font(SubstituteFontFace(face));
    // Height: negative is the character height, positive the cell height;
    // both become the pixel size. Zero takes a default size.
    const int height = lf.lfHeight == 0 ? 16 : std::abs(lf.lfHeight);
    font.setPixelSize(std::max(1, height));
    if (lf.lfWeight > 0)
        font.setWeight(static_cast<QFont::Weight>(std::clamp<int>(lf.lfWeight, 100, 900)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    switch (lf.lfPitchAndFamily & 0xF0) {
    case FF_ROMAN:
        font.setStyleHint(QFont::Serif);
        break;
    case FF_SWISS:
        font.setStyleHint(QFont::SansSerif);
        break;
    case FF_MODERN:
        font.setStyleHint(QFont::TypeWriter);
        break;
    default:
        break;
    }
    font.setFixedPitch((lf.lfPitchAndFamily & 0x03) == FIXED_PITCH);
    font.setKerning(false);
    return font;
}
