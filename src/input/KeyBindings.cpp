#include "input/KeyBindings.h"

#include <charconv>
#include <cstdio>
#include <fstream>

namespace
{
constexpr int kNumbersWanted = KeyBindings::kBoundActionCount * 2;

bool IsBlank(const std::string& line)
{
    return line.find_first_not_of(" \t\r") == std::string::npos;
}

/// The number the line begins with; an empty reason when it is good.
std::string ReadLeadingNumber(const std::string& line, int& value)
{
    const size_t start = line.find_first_not_of(" \t");
    const char* first = line.data() + start;
    const char* last = line.data() + line.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::invalid_argument)
        return "does not begin with a number";
    if (error == std::errc::result_out_of_range)
        return "the number does not fit in 32 bits";
    if (static_cast<size_t>(last - end) > KeyBindings::kMaxCommentLength)
        return "the text after the number is longer than 255 characters";
    return {};
}

void Store(KeyBindings::Table& table, int index, int value)
{
    ActionBinding& binding = table[static_cast<size_t>(index / 2)];
    (index % 2 == 0 ? binding.key : binding.button) = value;
}
} // namespace

KeyBindings::Table KeyBindings::Parse(std::istream& in, const std::string& sourceName)
{
    Table table{};
    std::string line;
    int lineNumber = 0;
    int numbersRead = 0;
    while (numbersRead < kNumbersWanted && std::getline(in, line))
    {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (IsBlank(line))
            continue;
        int value = 0;
        const std::string reason = ReadLeadingNumber(line, value);
        if (!reason.empty())
        {
            std::printf("%s line %d: %s; the bindings from here on stay unbound\n", sourceName.c_str(),
                        lineNumber, reason.c_str());
            break;
        }
        Store(table, numbersRead++, value);
    }
    return table;
}

KeyBindings::Table KeyBindings::Load(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
    {
        std::printf("cannot open file: %s (no key or button is bound)\n", path.c_str());
        return {};
    }
    return Parse(in, path);
}
