#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/// Takes a fuzzer's bytes apart into choices, numbers and strings; past the end everything reads
/// as zero, so any input decodes to something.
class ByteReader
{
  public:
    /// Reads from `size` bytes at `data` (which may be null when `size` is 0).
    ByteReader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    /// Whether every byte has been taken.
    bool AtEnd() const { return m_offset >= m_size; }
    /// The next byte.
    uint8_t Byte();
    /// A number from 0 to `count` - 1 (0 when `count` is 0).
    size_t Choice(size_t count);
    /// The next eight bytes as a double, bit for bit (NaNs and infinities included).
    double Double();
    /// A length byte, then up to that many bytes.
    std::string String();
    /// Every byte not taken yet.
    std::string Rest();
    /// The bytes split at every byte `separator` (the separators dropped); at least one part.
    static std::vector<std::string> Split(const uint8_t* data, size_t size, char separator);

  private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_offset = 0;
};
