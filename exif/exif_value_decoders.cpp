#include "exif/exif_value_decoders.h"

#include "exif/exif_tag_descriptions.h"
#include "exif/exif_value_texts.h"

#include <algorithm>

namespace {

// The count bytes of a value at the entry's offset; null when they do not lie
// inside the block.
const BYTE* BytesAtOffset(const ExifTagEntry& e, const ExifBlock& block, std::uint64_t length)
{
    return block.Contains(e.value, length) ? block.At(e.value) : nullptr;
}

// pair: the value holds two texts one after the other (photographer and
// editor), shown joined by a space.
void DecodeText(ExifTagEntry& e, const ExifBlock& block, bool pair)
{
    const BYTE* bytes = e.count <= 4 ? e.field.data() : BytesAtOffset(e, block, e.count);
    if (!bytes)
        return;
    if (pair && e.count > 1) {
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

// prefix: 8, a character-code prefix then text in that code; 4, a prefix of
// two numbers then UTF-16 text.
void DecodeCodedText(ExifTagEntry& e, const ExifBlock& block, DWORD prefix)
{
    if (e.count <= 4) {
        e.text = DecodeExifLatin1(e.field.data(), 4);
        return;
    }
    const BYTE* bytes = BytesAtOffset(e, block, e.count);
    if (!bytes)
        return;
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

// Only the two rational types hold numerator/denominator pairs; a value
// stored as text or integers is left absent and shows as "---".
void DecodeRationals(ExifTagEntry& e, const ExifBlock& block, DWORD count, bool isSigned)
{
    if (e.type != kExifRational && e.type != kExifSRational)
        return;
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
    const ExifTagInfo* info = FindExifTagIn(tag, gps);
    if (!info)
        return 0;
    if (info->decoder == ExifDecoder::CodedText)
        return 8;
    return info->decoder == ExifDecoder::Utf16Text ? 4 : 0;
}

void DecodeExifValue(ExifTagEntry& e, const ExifBlock& block, bool gps)
{
    const ExifTagInfo* info = FindExifTagIn(e.tag, gps);
    if (!info)
        return;
    switch (info->decoder) {
    case ExifDecoder::None:
        return;
    case ExifDecoder::Text:
        DecodeText(e, block, false);
        return;
    case ExifDecoder::TextPair:
        DecodeText(e, block, true);
        return;
    case ExifDecoder::Version:
        DecodeVersion(e, gps);
        return;
    case ExifDecoder::Components:
        e.text = ExifComponentText(e.field.data());
        return;
    case ExifDecoder::MakerNote:
        DecodeMakerNote(e, block);
        return;
    case ExifDecoder::CodedText:
        DecodeCodedText(e, block, 8);
        return;
    case ExifDecoder::Utf16Text:
        DecodeCodedText(e, block, 4);
        return;
    case ExifDecoder::Enumeration:
        // A number stored as text or a rational is not read as one: absent.
        if (!IsExifIntegerType(e.type))
            return;
        e.integer = static_cast<LONG>(e.value);
        e.text = ExifEnumerationText(e.tag, e.integer);
        return;
    case ExifDecoder::Flash:
        if (!IsExifIntegerType(e.type))
            return;
        e.integer = static_cast<LONG>(e.value);
        e.text = ExifFlashText(e.value);
        return;
    case ExifDecoder::Rational:
        DecodeRationals(e, block, 1, false);
        return;
    case ExifDecoder::SignedRational:
        DecodeRationals(e, block, 1, true);
        return;
    case ExifDecoder::RationalArray:
        DecodeRationals(e, block, e.count, false);
        return;
    case ExifDecoder::Integer:
        if (!IsExifIntegerType(e.type))
            return;
        e.integer = static_cast<LONG>(e.value);
        return;
    case ExifDecoder::NorthSouth:
        e.text = ExifGpsReferenceText(static_cast<char>(e.field[0]), true);
        return;
    case ExifDecoder::EastWest:
        e.text = ExifGpsReferenceText(static_cast<char>(e.field[0]), false);
        return;
    }
}
