#pragma once

#include <cstdint>
#include <string>
#include <string_view>

/// A 64-bit FNV-1a hash built up from raw values, for telling two runs of the game apart cheaply.
/// Floats count by their bit pattern, so any change shows; -0.0 and 0.0 count as the same value.
class StateHash
{
  public:
    /// Mixes in raw bytes.
    void AddBytes(const void* data, size_t size);
    /// Mixes in an integer as eight bytes, whatever its type.
    void AddInt(int64_t value);
    /// Mixes in a float by its bit pattern (-0.0 folded to 0.0).
    void AddFloat(float value);
    /// Mixes in the text's bytes and its length, so "ab"+"c" differs from "a"+"bc".
    void AddText(std::string_view text);

    /// The hash of everything mixed in so far.
    uint64_t Value() const { return m_value; }
    /// `value` as sixteen lower-case hexadecimal digits.
    static std::string ToHex(uint64_t value);
    /// Sixteen hexadecimal digits back to a value; false for anything else.
    static bool FromHex(std::string_view text, uint64_t& out);

  private:
    static constexpr uint64_t kOffsetBasis = 0xcbf29ce484222325ull;
    static constexpr uint64_t kPrime = 0x100000001b3ull;
    uint64_t m_value = kOffsetBasis;
};
