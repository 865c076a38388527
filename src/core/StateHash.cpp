#include "core/StateHash.h"

#include <charconv>
#include <cstdio>
#include <cstring>

void StateHash::AddBytes(const void* data, size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i)
    {
        m_value ^= bytes[i];
        m_value *= kPrime;
    }
}

void StateHash::AddInt(int64_t value)
{
    // Byte by byte from the lowest, so the hash does not depend on the machine's byte order.
    unsigned char bytes[8];
    for (unsigned char& byte : bytes)
    {
        byte = static_cast<unsigned char>(static_cast<uint64_t>(value) & 0xFF);
        value = static_cast<int64_t>(static_cast<uint64_t>(value) >> 8);
    }
    AddBytes(bytes, sizeof bytes);
}

void StateHash::AddFloat(float value)
{
    if (value == 0.0f)
        value = 0.0f;
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    AddInt(bits);
}

void StateHash::AddText(std::string_view text)
{
    AddInt(static_cast<int64_t>(text.size()));
    AddBytes(text.data(), text.size());
}

std::string StateHash::ToHex(uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

bool StateHash::FromHex(std::string_view text, uint64_t& out)
{
    if (text.size() != 16)
        return false;
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size())
        return false;
    out = value;
    return true;
}
