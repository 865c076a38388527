#include "text/Utf8.h"

namespace
{
bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the sequence a lead byte starts, 0 for a byte that cannot start one.
size_t SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}
} // namespace

char32_t Utf8::Next(std::string_view text, size_t& index)
{
    const auto lead = static_cast<unsigned char>(text[index]);
    const size_t length = SequenceLength(lead);
    if (length == 0 || index + length > text.size())
    {
        ++index;
        return kReplacement;
    }
    static constexpr unsigned char kLeadMask[5] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t code = lead & kLeadMask[length];
    for (size_t i = 1; i < length; ++i)
    {
        const auto byte = static_cast<unsigned char>(text[index + i]);
        if (!IsContinuation(byte))
        {
            ++index;
            return kReplacement;
        }
        code = (code << 6) | (byte & 0x3F);
    }
    static constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    // Overlong forms and UTF-16 surrogates are not characters.
    if (code < kSmallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
    {
        ++index;
        return kReplacement;
    }
    index += length;
    return code;
}
