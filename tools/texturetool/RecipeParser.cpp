#include "RecipeParser.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace
{
// The words of one line, taken from the front; the first failure leaves its reason in `error`.
class LineReader
{
  public:
    explicit LineReader(const std::string& line)
    {
        std::istringstream in(line);
        for (std::string word; in >> word;)
            m_words.push_back(word);
    }

    bool AtEnd() const { return m_next >= m_words.size(); }
    const std::string& Peek() const { return m_words[m_next]; }
    bool Fail(const std::string& reason)
    {
        if (error.empty())
            error = reason;
        return false;
    }

    bool Word(std::string& out, const char* what)
    {
        if (AtEnd())
            return Fail(std::string("missing ") + what);
        out = m_words[m_next++];
        return true;
    }

    bool Number(float& out, const char* what)
    {
        std::string word;
        if (!Word(word, what))
            return false;
        char* end = nullptr;
        out = std::strtof(word.c_str(), &end);
        if (end == word.c_str() || *end != '\0' || !std::isfinite(out))
            return Fail(std::string(what) + " must be a number, not '" + word + "'");
        return true;
    }

    bool Count(int& out, const char* what, int most = 4096)
    {
        float value = 0.0f;
        if (!Number(value, what))
            return false;
        if (value != std::floor(value) || value < 1.0f || value > static_cast<float>(most))
            return Fail(std::string(what) + " must be a whole number from 1 to " + std::to_string(most));
        out = static_cast<int>(value);
        return true;
    }

    bool Range(RecipeLayer::Range& out, const char* what)
    {
        if (!Number(out.from, what) || !Number(out.to, what))
            return false;
        if (out.from == out.to)
            return Fail(std::string(what) + " needs two different numbers");
        out.on = true;
        return true;
    }

    bool Colour(Rgba& out, const std::string& word);

    std::string error;

  private:
    std::vector<std::string> m_words;
    size_t m_next = 0;
};

bool LineReader::Colour(Rgba& out, const std::string& word)
{
    float c[4] = {0, 0, 0, 1};
    int count = 0;
    if (!word.empty() && word[0] == '#' && (word.size() == 7 || word.size() == 9))
    {
        for (size_t i = 1; i < word.size(); i += 2)
        {
            const std::string digits = word.substr(i, 2);
            if (!std::isxdigit(static_cast<unsigned char>(digits[0])) ||
                !std::isxdigit(static_cast<unsigned char>(digits[1])))
                return Fail("'" + word + "' is no colour (r,g,b or r,g,b,a from 0 to 1, or #rrggbb)");
            c[count++] = static_cast<float>(std::stoi(digits, nullptr, 16)) / 255.0f;
        }
    }
    else
    {
        std::istringstream in(word);
        for (std::string part; count < 5 && std::getline(in, part, ',');)
        {
            char* end = nullptr;
            const float value = count < 4 ? std::strtof(part.c_str(), &end) : 0.0f;
            if (count >= 4 || end == part.c_str() || *end != '\0' || !(value >= 0.0f && value <= 1.0f))
                return Fail("'" + word + "' is no colour (r,g,b or r,g,b,a from 0 to 1, or #rrggbb)");
            c[count++] = value;
        }
        if (count < 3)
            return Fail("'" + word + "' is no colour (r,g,b or r,g,b,a from 0 to 1, or #rrggbb)");
    }
    out = {c[0], c[1], c[2], c[3]};
    return true;
}

bool ReadPart(LineReader& in, Pattern& p, const std::map<std::string, Pattern::Part>& parts)
{
    std::string word;
    if (!in.Word(word, "part"))
        return false;
    auto found = parts.find(word);
    if (found == parts.end())
    {
        std::string names;
        for (const auto& [name, part] : parts)
            names += (names.empty() ? "'" : ", '") + name + "'";
        return in.Fail("'" + word + "' is no part of this pattern: " + names);
    }
    p.part = found->second;
    return true;
}

// The pattern word and its own numbers.
bool ReadPattern(LineReader& in, const std::string& kind, Pattern& p)
{
    using K = Pattern::Kind;
    using P = Pattern::Part;
    int a = 1, b = 1;
    if (kind == "fill" || kind == "gradient")
        p.kind = kind == "fill" ? K::Fill : K::Gradient;
    else if (kind == "radial")
    {
        p.kind = K::Radial;
        if (!in.Number(p.x, "centre u") || !in.Number(p.y, "centre v") || !in.Number(p.extra, "radius"))
            return false;
        if (p.extra <= 0.0f)
            return in.Fail("the radius must be above 0");
    }
    else if (kind == "checker" || kind == "noise" || kind == "cells" || kind == "bricks")
    {
        p.kind = kind == "checker" ? K::Checker
                 : kind == "noise" ? K::Noise
                 : kind == "cells" ? K::Cells
                                   : K::Bricks;
        if (!in.Count(a, "count along u") || !in.Count(b, "count along v"))
            return false;
        p.x = static_cast<float>(a);
        p.y = static_cast<float>(b);
        if (kind == "noise")
            return in.Count(p.octaves, "octaves", 8);
        if (kind == "cells")
            return ReadPart(in, p, {{"nearest", P::Nearest}, {"edges", P::Edges}});
        if (kind == "bricks")
            return in.Number(p.extra, "shift") && ReadPart(in, p, {{"tint", P::Tint}, {"mortar", P::Mortar}});
    }
    else if (kind == "stripes")
    {
        p.kind = K::Stripes;
        return in.Number(p.x, "stripes along u") && in.Number(p.y, "stripes along v");
    }
    else if (kind == "planks")
    {
        p.kind = K::Planks;
        if (!in.Count(a, "count"))
            return false;
        p.x = static_cast<float>(a);
        return ReadPart(in, p, {{"tint", P::Tint}, {"gaps", P::Gaps}, {"nails", P::Nails}});
    }
    else
        return in.Fail("'" + kind + "' is no setting or pattern");
    return true;
}

bool ReadRamp(LineReader& in, RecipeLayer& layer)
{
    while (!in.AtEnd() && in.Peek().find(':') != std::string::npos)
    {
        std::string word;
        in.Word(word, "stop");
        const size_t colon = word.find(':');
        RecipeLayer::Stop stop;
        char* end = nullptr;
        stop.at = std::strtof(word.c_str(), &end);
        if (end != word.c_str() + colon || !in.Colour(stop.colour, word.substr(colon + 1)))
            return in.Fail("'" + word + "' is no ramp stop (POSITION:COLOUR)");
        if (!layer.ramp.empty() && !(stop.at > layer.ramp.back().at))
            return in.Fail("ramp positions must rise");
        layer.ramp.push_back(stop);
    }
    if (layer.ramp.size() < 2)
        return in.Fail("a ramp needs at least two stops, as POSITION:COLOUR");
    layer.isRamp = true;
    return true;
}

bool ReadBand(LineReader& in, RecipeLayer& layer)
{
    std::string axis;
    if (!in.Word(axis, "band axis") || (axis != "u" && axis != "v"))
        return in.Fail("a band runs along u or v");
    layer.bandAxis = axis == "u" ? 0 : 1;
    if (!in.Number(layer.bandFrom, "band start") || !in.Number(layer.bandTo, "band end"))
        return false;
    if (!(layer.bandFrom < layer.bandTo))
        return in.Fail("a band must end after it starts");
    return true;
}

bool ReadWarp(LineReader& in, Pattern& p)
{
    if (p.kind != Pattern::Kind::Noise && p.kind != Pattern::Kind::Cells && p.kind != Pattern::Kind::Stripes)
        return in.Fail("only noise, cells and stripes can be warped");
    return in.Count(p.warpX, "warp scale along u") && in.Count(p.warpY, "warp scale along v") &&
           in.Count(p.warpOctaves, "warp octaves", 8) && in.Number(p.warpAmountX, "warp along u") &&
           in.Number(p.warpAmountY, "warp along v");
}

bool ReadOption(LineReader& in, const std::string& key, RecipeLayer& layer, bool& seeded)
{
    Pattern& p = layer.pattern;
    if (key == "colour" || key == "color")
    {
        std::string word;
        layer.ramp.assign(1, {});
        return in.Word(word, "colour") && in.Colour(layer.ramp[0].colour, word);
    }
    if (key == "ramp")
        return ReadRamp(in, layer);
    if (key == "levels" || key == "mask" || key == "fade_in" || key == "fade_out")
        return in.Range(key == "levels"    ? layer.levels
                        : key == "mask"    ? layer.mask
                        : key == "fade_in" ? layer.fadeIn
                                           : layer.fadeOut,
                        key.c_str());
    if (key == "power")
        return (layer.hasPower = in.Number(layer.power, "power")) &&
               (layer.power > 0 || in.Fail("power must be above 0"));
    if (key == "amount")
        return (layer.hasAmount = in.Number(layer.amount, "amount"));
    if (key == "invert")
        return (layer.invert = true);
    if (key == "band")
        return ReadBand(in, layer);
    if (key == "warp")
        return ReadWarp(in, p);
    if (key == "seed")
    {
        int seed = 1;
        seeded = in.Count(seed, "seed", 1 << 24);
        p.seed = static_cast<uint32_t>(seed);
        return seeded;
    }
    if (key == "seam" || key == "joint" || key == "mortar")
    {
        float* range = key == "seam" ? p.seam : key == "joint" ? p.joint : p.mortar;
        return in.Number(range[0], key.c_str()) && in.Number(range[1], key.c_str()) &&
               (range[0] != range[1] || in.Fail(key + " needs two different numbers"));
    }
    return in.Fail("'" + key + "' is no layer option");
}

bool ReadLayer(LineReader& in, const std::string& kind, RecipeLayer& layer, bool& seeded)
{
    if (!ReadPattern(in, kind, layer.pattern))
        return false;
    std::set<std::string> given;
    while (!in.AtEnd())
    {
        std::string key;
        in.Word(key, "option");
        if (!given.insert(key == "color" ? "colour" : key).second)
            return in.Fail("'" + key + "' is given twice");
        if (!ReadOption(in, key, layer, seeded))
            return false;
    }
    if (given.count("colour") && given.count("ramp"))
        return in.Fail("a layer takes a 'colour' or a 'ramp', not both");
    if (layer.ramp.empty())
        return in.Fail("a layer needs a 'colour' or a 'ramp'");
    return true;
}

// '#' starts a comment, except where it starts a colour ("#3a7bd5").
std::string WithoutComment(const std::string& line)
{
    for (size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' &&
            !(i + 1 < line.size() && std::isxdigit(static_cast<unsigned char>(line[i + 1]))))
            return line.substr(0, i);
    return line;
}

bool IsPowerOfTwo(int n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

// Settings of the whole texture; false when `key` is none.
bool ReadSetting(LineReader& in, const std::string& key, TextureRecipe& recipe, bool& known)
{
    known = true;
    std::string word;
    if (key == "size")
    {
        if (!in.Count(recipe.width, "width") || !in.Count(recipe.height, "height"))
            return false;
        return (IsPowerOfTwo(recipe.width) && IsPowerOfTwo(recipe.height)) ||
               in.Fail("width and height must be powers of two (16, 32 ... 4096)");
    }
    if (key == "seed")
    {
        int seed = 1;
        const bool read = in.Count(seed, "seed", 1 << 24);
        recipe.seed = static_cast<uint32_t>(seed);
        return read;
    }
    if (key == "channels")
        return in.Word(word, "rgb or rgba") &&
               (word == "rgb" || word == "rgba" || in.Fail("channels are rgb or rgba")) &&
               ((recipe.withAlpha = word == "rgba"), true);
    if (key == "base")
        return in.Word(word, "colour") && in.Colour(recipe.base, word);
    if (key == "normalmap")
        return in.Number(recipe.normalStrength, "strength") &&
               (recipe.normalStrength > 0 || in.Fail("the normal map's strength must be above 0"));
    known = false;
    return false;
}
} // namespace

std::optional<TextureRecipe> ParseRecipe(const std::string& text, const std::string& path,
                                         std::vector<std::string>& errors)
{
    TextureRecipe recipe;
    recipe.fileName = std::filesystem::path(path).stem().string() + ".png";
    std::vector<bool> seeded;
    const size_t errorsBefore = errors.size();
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number)
    {
        LineReader in(WithoutComment(line));
        std::string key;
        if (in.AtEnd() || !in.Word(key, "setting"))
            continue;
        bool known = false, seed = false;
        bool read = ReadSetting(in, key, recipe, known);
        if (!known)
        {
            RecipeLayer layer;
            read = ReadLayer(in, key, layer, seed);
            recipe.layers.push_back(layer);
            seeded.push_back(seed);
        }
        if (read && !in.AtEnd())
            read = in.Fail("'" + in.Peek() + "' is one word too many");
        if (!read)
            errors.push_back(path + ":" + std::to_string(number) + ": " + in.error);
    }
    if (errors.size() > errorsBefore)
        return std::nullopt;
    for (size_t i = 0; i < recipe.layers.size(); ++i)
        if (!seeded[i])
            recipe.layers[i].pattern.seed = recipe.seed;
    return recipe;
}

std::optional<TextureRecipe> LoadRecipeFile(const std::string& path, std::vector<std::string>& errors)
{
    std::ifstream in(path);
    if (!in)
    {
        errors.push_back(path + ": cannot read the recipe");
        return std::nullopt;
    }
    std::stringstream text;
    text << in.rdbuf();
    return ParseRecipe(text.str(), path, errors);
}
