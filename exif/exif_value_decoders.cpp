#include "exif/exif_value_decoders.h"

#include "exif/exif_tag_descriptions.h"
#include "exif/exif_value_texts.h"

#include <algorithm>

namespace {

enum class Decoder {
    None,
    Text,
    Version,
    Components,
    MakerNote,
    CodedText,
    Enumeration,
    Flash,
    Rational,
    SignedRational,
    RationalArray,
    Integer,
    NorthSouth,
    EastWest,
};

Decoder ExifDecoderOf(WORD tag)
{
    switch (tag) {
    case 270:
    case 271:
    case 272:
    case 305:
    case 306:
    case 315:
    case 33432:
    case 36867:
    case 36868:
    case 40964:
    case 42016:
    case 42032:
    case 42033:
    case 42035:
    case 42036:
    case 42037:
        return Decoder::Text;
    case 36864:
        return Decoder::Version;
    case 37121:
        return Decoder::Components;
    case 37500:
        return Decoder::MakerNote;
    case 37510:
    case 41995:
        return Decoder::CodedText;
    case 34850:
    case 37383:
    case 37384:
    case 41495:
    case 41986:
    case 41987:
    case 41990:
    case 41991:
    case 41992:
    case 41993:
    case 41994:
    case 41996:
        return Decoder::Enumeration;
    case 37385:
        return Decoder::Flash;
    case 33434:
    case 33437:
    case 37378:
    case 37381:
    case 37382:
    case 37386:
    case 41483:
    case 41493:
    case 41988:
        return Decoder::Rational;
    case 37377:
    case 37379:
    case 37380:
        return Decoder::SignedRational;
    case 42034:
        return Decoder::RationalArray;
    case 41989:
        return Decoder::Integer;
    default:
        return Decoder::None;
    }
}

Decoder GpsDecoderOf(WORD tag)
{
    switch (tag) {
    case 0:
        return Decoder::Version;
    case 8:
    case 18:
    case 29:
        return Decoder::Text;
    case 27:
    case 28:
        return Decoder::CodedText;
    case 6:
        return Decoder::Rational;
    case 2:
    case 4:
    case 7:
    case 20:
    case 22:
        return Decoder::RationalArray;
    case 5:
        return Decoder::Integer;
    case 1:
    case 19:
        return Decoder::NorthSouth;
    case 3:
    case 21:
        return Decoder::EastWest;
    default:
        return Decoder::None;
    }
}

// The count bytes of a value at the entry's offset; null when they do not lie
// inside the block.
const BYTE* BytesAtOffset(const ExifTagEntry& e, const ExifBlock& block, std::uint64_t length)
{
    return block.Contains(e.value, length) ? block.At(e.value) : nullptr;
}

void DecodeText(ExifTagEntry& e, const ExifBlock& block)
{
    const BYTE* bytes = e.count <= 4 ? e.field.data() : BytesAtOffset(e, block, e.count);
    if (!bytes)
        return;
    if (e.tag == 33432 && e.count > 1) {
        // Photographer and editor are two texts one after the other.
        QByteArray joined(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(e.count));
        std::replace(joined.begin(), joined.end() - 1, '\0', ' ');
        e.text = DecodeExifMultiByte(reinterpret_cast<const BYTE*>(joined.constData()), e.count);
        return;
    }
    e.text = DecodeExifMultiByte(bytes, e.count);
}

void DecodeVersion(ExifTagEntry& e, bool gps)
{
    if (!gps) {
        e.text = DecodeExifLatin1(e.field.data(), 4);
        return;
    }
    e.text.clear();
    for (BYTE b : e.field)
        e.text += QChar(static_cast<char16_t>(b + u'0'));
}

void DecodeMakerNote(ExifTagEntry& e, const ExifBlock& block)
{
    if (e.count <= 4) {
        e.text = DecodeExifLatin1(e.field.data(), 4);
        return;
    }
    if (const BYTE* bytes = BytesAtOffset(e, block, e.count))
        e.text = DecodeExifMultiByte(bytes, e.count);
}

void DecodeCodedText(ExifTagEntry& e, const ExifBlock& block, bool gps)
{
    if (e.count <= 4) {
        e.text = DecodeExifLatin1(e.field.data(), 4);
        return;
    }
    const BYTE* bytes = BytesAtOffset(e, block, e.count);
    if (!bytes)
        return;
    const DWORD prefix = static_cast<DWORD>(ExifCodedTextPrefixLength(e.tag, gps));
    if (e.count < prefix) {
        e.text = QStringLiteral("");  // too short to hold its character code
        return;
    }
    bool utf16 = prefix == 4;
    if (prefix == 8) {
        e.integer = GetExifCharCode(bytes);
        utf16 = e.integer == 3;
    }
    const std::size_t length = std::min<std::size_t>(e.count - prefix, 258);
    e.text = utf16 ? DecodeExifUtf16(bytes + prefix, length) : DecodeExifMultiByte(bytes + prefix, length);
}

void DecodeRationals(ExifTagEntry& e, const ExifBlock& block, DWORD count, bool isSigned)
{
    const BYTE* bytes = BytesAtOffset(e, block, std::uint64_t{count} * 8);
    if (!bytes || count == 0)
        return;
    e.values.resize(std::size_t{count} * 2);
    for (std::size_t i = 0; i < e.values.size(); ++i)
        e.values[i] = block.Long(e.value + 4 * i);
    const DWORD num = e.values[0], den = e.values[1];
    if (den == 0)
        e.number = 0.0;
    else if (isSigned)
        e.number = static_cast<double>(static_cast<LONG>(num)) / static_cast<double>(static_cast<LONG>(den));
    else
        e.number = static_cast<double>(num) / static_cast<double>(den);
}

}  // namespace

int ExifCodedTextPrefixLength(WORD tag, bool gps)
{
    if (gps)
        return (tag == 27 || tag == 28) ? 8 : 0;
    if (tag == 37510)
        return 8;
    return tag == 41995 ? 4 : 0;
}

void DecodeExifValue(ExifTagEntry& e, const ExifBlock& block, bool gps)
{
    switch (gps ? GpsDecoderOf(e.tag) : ExifDecoderOf(e.tag)) {
    case Decoder::None:
        return;
    case Decoder::Text:
        DecodeText(e, block);
        return;
    case Decoder::Version:
        DecodeVersion(e, gps);
        return;
    case Decoder::Components:
        e.text = ExifComponentText(e.field.data());
        return;
    case Decoder::MakerNote:
        DecodeMakerNote(e, block);
        return;
    case Decoder::CodedText:
        DecodeCodedText(e, block, gps);
        return;
    case Decoder::Enumeration:
        e.integer = static_cast<LONG>(e.value);
        e.text = ExifEnumerationText(e.tag, e.integer);
        return;
    case Decoder::Flash:
        e.integer = static_cast<LONG>(e.value);
        e.text = ExifFlashText(e.value);
        return;
    case Decoder::Rational:
        DecodeRationals(e, block, 1, false);
        return;
    case Decoder::SignedRational:
        DecodeRationals(e, block, 1, true);
        return;
    case Decoder::RationalArray:
        DecodeRationals(e, block, e.count, false);
        return;
    case Decoder::Integer:
        e.integer = static_cast<LONG>(e.value);
        return;
    case Decoder::NorthSouth:
        e.text = ExifGpsReferenceText(static_cast<char>(e.field[0]), true);
        return;
    case Decoder::EastWest:
        e.text = ExifGpsReferenceText(static_cast<char>(e.field[0]), false);
        return;
    }
}
