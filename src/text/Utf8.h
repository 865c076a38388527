#pragma once

#include <cstddef>
#include <string_view>

/// Reading UTF-8 text one character at a time.
namespace Utf8
{
/// What a malformed byte sequence reads as.
inline constexpr char32_t kReplacement = 0xFFFD;

/// The code point starting at `text[index]`; `index` moves past it. A malformed sequence reads
/// as kReplacement and moves one byte on, so every byte is visited once.
char32_t Next(std::string_view text, size_t& index);
} // namespace Utf8
