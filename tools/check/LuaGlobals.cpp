#include "check/LuaGlobals.h"

#include <lua.hpp>

#include <cstdint>
#include <cstring>
#include <optional>

namespace
{
// Lua 5.1's instruction layout and the two opcodes that name a global through a constant.
constexpr uint32_t kOpcodeMask = 0x3F;
constexpr int kBxShift = 14;
constexpr uint32_t kGetGlobal = 5;
constexpr uint32_t kSetGlobal = 7;
constexpr unsigned char kHeader[] = {
    0x1B, 'L', 'u', 'a', 0x51, 0, 1, sizeof(int), sizeof(size_t), sizeof(uint32_t), sizeof(lua_Number), 0};
enum ConstantTag : unsigned char
{
    kNil = 0,
    kBoolean = 1,
    kNumber = 3,
    kString = 4,
};

int Collect(lua_State*, const void* data, size_t size, void* out)
{
    auto* bytes = static_cast<std::string*>(out);
    bytes->append(static_cast<const char*>(data), size);
    return 0;
}

// Walks a dump written by lua_dump on this machine, so sizes and byte order are this build's.
class BytecodeReader
{
  public:
    explicit BytecodeReader(const std::string& bytes) : m_bytes(bytes) {}

    bool ReadChunk(std::vector<GlobalUse>& uses)
    {
        if (m_bytes.size() < sizeof kHeader || std::memcmp(m_bytes.data(), kHeader, sizeof kHeader) != 0)
            return false;
        m_at = sizeof kHeader;
        return ReadFunction(uses);
    }

  private:
    template <typename T> std::optional<T> Read()
    {
        if (m_at + sizeof(T) > m_bytes.size())
            return std::nullopt;
        T value;
        std::memcpy(&value, m_bytes.data() + m_at, sizeof(T));
        m_at += sizeof(T);
        return value;
    }

    std::optional<std::string> ReadString()
    {
        const std::optional<size_t> size = Read<size_t>();
        if (!size || *size > m_bytes.size() - m_at)
            return std::nullopt;
        // The stored size counts the closing zero byte.
        std::string text = *size == 0 ? std::string() : m_bytes.substr(m_at, *size - 1);
        m_at += *size;
        return text;
    }

    bool Skip(size_t count)
    {
        if (count > m_bytes.size() - m_at)
            return false;
        m_at += count;
        return true;
    }

    std::optional<std::vector<uint32_t>> ReadCode()
    {
        const std::optional<int> count = Read<int>();
        if (!count || *count < 0)
            return std::nullopt;
        std::vector<uint32_t> code;
        for (int i = 0; i < *count; ++i)
            if (const std::optional<uint32_t> instruction = Read<uint32_t>())
                code.push_back(*instruction);
            else
                return std::nullopt;
        return code;
    }

    bool ReadConstant(std::vector<std::string>& constants)
    {
        const std::optional<unsigned char> tag = Read<unsigned char>();
        if (!tag)
            return false;
        constants.emplace_back();
        switch (*tag)
        {
        case kNil:
            return true;
        case kBoolean:
            return Skip(1);
        case kNumber:
            return Skip(sizeof(lua_Number));
        case kString:
            if (std::optional<std::string> text = ReadString())
            {
                constants.back() = *text;
                return true;
            }
            return false;
        default:
            return false;
        }
    }

    bool ReadConstants(std::vector<std::string>& constants, std::vector<GlobalUse>& nested)
    {
        const std::optional<int> count = Read<int>();
        if (!count || *count < 0)
            return false;
        for (int i = 0; i < *count; ++i)
            if (!ReadConstant(constants))
                return false;
        const std::optional<int> functions = Read<int>();
        if (!functions || *functions < 0)
            return false;
        for (int i = 0; i < *functions; ++i)
            if (!ReadFunction(nested))
                return false;
        return true;
    }

    std::optional<std::vector<int>> ReadDebug()
    {
        const std::optional<int> lines = Read<int>();
        if (!lines || *lines < 0)
            return std::nullopt;
        std::vector<int> lineOf;
        for (int i = 0; i < *lines; ++i)
            if (const std::optional<int> line = Read<int>())
                lineOf.push_back(*line);
            else
                return std::nullopt;
        const std::optional<int> locals = Read<int>();
        for (int i = 0; locals && i < *locals; ++i)
            if (!ReadString() || !Skip(2 * sizeof(int)))
                return std::nullopt;
        const std::optional<int> upvalues = Read<int>();
        for (int i = 0; upvalues && i < *upvalues; ++i)
            if (!ReadString())
                return std::nullopt;
        if (!locals || !upvalues)
            return std::nullopt;
        return lineOf;
    }

    bool ReadFunction(std::vector<GlobalUse>& uses)
    {
        // Source name, first and last line, upvalue count, parameters, vararg flag, stack size.
        if (!ReadString() || !Skip(2 * sizeof(int) + 4))
            return false;
        const std::optional<std::vector<uint32_t>> code = ReadCode();
        std::vector<std::string> constants;
        std::vector<GlobalUse> nested;
        if (!code || !ReadConstants(constants, nested))
            return false;
        const std::optional<std::vector<int>> lines = ReadDebug();
        if (!lines)
            return false;
        ScanGlobals(*code, constants, *lines, uses);
        uses.insert(uses.end(), nested.begin(), nested.end());
        return true;
    }

    static void ScanGlobals(const std::vector<uint32_t>& code, const std::vector<std::string>& constants,
                            const std::vector<int>& lines, std::vector<GlobalUse>& uses)
    {
        for (size_t pc = 0; pc < code.size(); ++pc)
        {
            const uint32_t opcode = code[pc] & kOpcodeMask;
            const uint32_t constant = code[pc] >> kBxShift;
            if ((opcode != kGetGlobal && opcode != kSetGlobal) || constant >= constants.size())
                continue;
            uses.push_back({constants[constant], pc < lines.size() ? lines[pc] : 0, opcode == kSetGlobal});
        }
    }

    const std::string& m_bytes;
    size_t m_at = 0;
};
} // namespace

std::optional<std::vector<GlobalUse>> ListGlobals(lua_State* lua)
{
    std::string bytes;
    const int top = lua_gettop(lua);
    lua_dump(lua, &Collect, &bytes);
    lua_settop(lua, top);
    std::vector<GlobalUse> uses;
    if (!BytecodeReader(bytes).ReadChunk(uses))
        return std::nullopt;
    return uses;
}
