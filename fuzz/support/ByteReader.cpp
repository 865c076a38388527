#include "support/ByteReader.h"

#include <cstring>

uint8_t ByteReader::Byte()
{
    return AtEnd() ? 0 : m_data[m_offset++];
}

size_t ByteReader::Choice(size_t count)
{
    return count == 0 ? 0 : Byte() % count;
}

double ByteReader::Double()
{
    uint8_t bytes[sizeof(double)] = {};
    for (uint8_t& byte : bytes)
        byte = Byte();
    double value = 0.0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

std::string ByteReader::String()
{
    const size_t length = Byte();
    std::string text;
    while (text.size() < length && !AtEnd())
        text.push_back(static_cast<char>(Byte()));
    return text;
}

std::string ByteReader::Rest()
{
    std::string text;
    if (!AtEnd())
        text.assign(reinterpret_cast<const char*>(m_data) + m_offset, m_size - m_offset);
    m_offset = m_size;
    return text;
}

std::vector<std::string> ByteReader::Split(const uint8_t* data, size_t size, char separator)
{
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < size; ++i)
    {
        if (static_cast<char>(data[i]) == separator)
            parts.emplace_back();
        else
            parts.back().push_back(static_cast<char>(data[i]));
    }
    return parts;
}
