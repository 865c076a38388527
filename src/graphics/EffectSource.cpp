#include "graphics/EffectSource.h"

#include <sstream>

namespace
{
constexpr int kMaxIncludeDepth = 8;
// The depth cap alone does not bound the work: files that each include the next on several lines
// grow as lines ^ depth. A real effect includes a shared file or two; these totals leave room for
// far more and stop a runaway tree within a moment and a few megabytes. Going past either bound
// stops every further include, so a file that includes itself is reported once, not per line.
constexpr int kMaxIncludes = 64;
constexpr size_t kMaxIncludedBytes = 4u * 1024 * 1024;

struct Expansion
{
    PassState pass;
    std::vector<std::string> errors;
    int nextSourceNumber = 1;
    int includes = 0;
    size_t includedBytes = 0;
    bool stopped = false; ///< past a bound: every further include is left out, unreported
};

bool ParseSwitch(const std::string& value, bool& out)
{
    if (value == "on" || value == "true")
        return (out = true), true;
    if (value == "off" || value == "false")
        return (out = false), true;
    return false;
}

bool ApplyPassLine(const std::string& key, const std::string& value, PassState& pass)
{
    if (key == "depthTest")
        return ParseSwitch(value, pass.depthTest);
    if (key == "depthWrite")
        return ParseSwitch(value, pass.depthWrite);
    if (key == "blend")
    {
        const bool known = value == "none" || value == "alpha" || value == "additive";
        if (known)
            pass.blend = value == "none"    ? BlendMode::None
                         : value == "alpha" ? BlendMode::Alpha
                                            : BlendMode::Additive;
        return known;
    }
    if (key == "cull")
    {
        const bool known = value == "none" || value == "back" || value == "front";
        if (known)
            pass.cull = value == "none" ? CullMode::None : value == "back" ? CullMode::Back : CullMode::Front;
        return known;
    }
    if (key == "fill" && (value == "solid" || value == "wireframe"))
        return (pass.wireframe = value == "wireframe"), true;
    return false;
}

// The quoted name of an include line, or nothing if the line is not one.
std::optional<std::string> IncludeName(const std::string& line)
{
    std::istringstream words(line);
    std::string directive, quoted;
    words >> directive >> quoted;
    if (directive != "#include")
        return std::nullopt;
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"')
        return std::string();
    return quoted.substr(1, quoted.size() - 2);
}

std::string Expand(const std::string& text, int sourceNumber, int depth, const IncludeReader& read,
                   Expansion& state);

// Stops all further includes with one line naming the file that went past a bound.
void StopIncludes(const std::string& name, const std::string& why, Expansion& state)
{
    state.stopped = true;
    state.errors.push_back("\"" + name + "\" " + why + "; the includes from there on are left out");
}

// The text of an include, or nothing (reported) when it cannot be read or goes past a bound.
std::optional<std::string> ReadInclude(const std::string& name, int depth, const IncludeReader& read,
                                       Expansion& state)
{
    if (state.stopped)
        return std::nullopt;
    if (depth >= kMaxIncludeDepth)
    {
        StopIncludes(name, "is nested more than " + std::to_string(kMaxIncludeDepth) + " includes deep",
                     state);
        return std::nullopt;
    }
    std::optional<std::string> included = name.empty() ? std::nullopt : read(name);
    if (!included)
        state.errors.push_back("cannot include \"" + name + "\"");
    else if (++state.includes > kMaxIncludes || included->size() > kMaxIncludedBytes - state.includedBytes)
        StopIncludes(name,
                     "goes past " + std::to_string(kMaxIncludes) + " includes or " +
                         std::to_string(kMaxIncludedBytes / (1024 * 1024)) + " MB of included text",
                     state);
    else
    {
        state.includedBytes += included->size();
        return included;
    }
    return std::nullopt;
}

// Each included file gets its own source-string number so compile errors point into it.
void AppendInclude(const std::string& name, int lineNumber, int sourceNumber, int depth,
                   const IncludeReader& read, Expansion& state, std::string& out)
{
    const std::optional<std::string> included = ReadInclude(name, depth, read, state);
    if (!included)
    {
        out += '\n';
        return;
    }
    const int number = state.nextSourceNumber++;
    out += "#line 1 " + std::to_string(number) + '\n';
    out += Expand(*included, number, depth + 1, read, state);
    out += "#line " + std::to_string(lineNumber + 1) + ' ' + std::to_string(sourceNumber) + '\n';
}

std::string Expand(const std::string& text, int sourceNumber, int depth, const IncludeReader& read,
                   Expansion& state)
{
    std::istringstream lines(text);
    std::string line, out;
    for (int number = 1; std::getline(lines, line); ++number)
    {
        std::istringstream words(line);
        std::string first, key, value;
        words >> first >> key >> value;
        if (first == "#pass")
        {
            if (!ApplyPassLine(key, value, state.pass))
                state.errors.push_back("line " + std::to_string(number) + ": unknown pass state '" + key +
                                       ' ' + value + "'");
            out += '\n'; // keeps the line numbers of compile errors right
        }
        else if (const std::optional<std::string> name = IncludeName(line))
            AppendInclude(*name, number, sourceNumber, depth, read, state, out);
        else
            out += line + '\n';
    }
    return out;
}
} // namespace

EffectSource ParseEffectSource(const std::string& text, const IncludeReader& readInclude)
{
    Expansion state;
    const std::string body = "#line 1 0\n" + Expand(text, 0, 0, readInclude, state);
    EffectSource source;
    source.pass = state.pass;
    source.errors = std::move(state.errors);
    source.vertex = "#version 330 core\n#define VERTEX\n" + body;
    source.fragment = "#version 330 core\n#define FRAGMENT\n" + body;
    return source;
}
