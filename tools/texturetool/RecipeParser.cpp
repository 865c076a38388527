#include "RecipeParser.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
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

// Two counts, how often a shape repeats along u and along v.
bool ReadCounts(LineReader& in, Pattern& p)
{
    int along = 1, down = 1;
    if (!in.Count(along, "count along u") || !in.Count(down, "count along v"))
        return false;
    p.x = static_cast<float>(along);
    p.y = static_cast<float>(down);
    return true;
}

bool ReadRadial(LineReader& in, Pattern& p)
{
    return in.Number(p.x, "centre u") && in.Number(p.y, "centre v") && in.Number(p.extra, "radius") &&
           (p.extra > 0.0f || in.Fail("the radius must be above 0"));
}

bool ReadPlanks(LineReader& in, Pattern& p)
{
    int count = 1;
    if (!in.Count(count, "count"))
        return false;
    p.x = static_cast<float>(count);
    return ReadPart(
        in, p,
        {{"tint", Pattern::Part::Tint}, {"gaps", Pattern::Part::Gaps}, {"nails", Pattern::Part::Nails}});
}

using PatternReader = bool (*)(LineReader&, Pattern&);

// Each pattern's kind and the reader of the numbers that follow its word.
const std::map<std::string, std::pair<Pattern::Kind, PatternReader>>& PatternReaders()
{
    using K = Pattern::Kind;
    using P = Pattern::Part;
    static const std::map<std::string, std::pair<K, PatternReader>> readers = {
        {"fill", {K::Fill, [](LineReader&, Pattern&) { return true; }}},
        {"gradient", {K::Gradient, [](LineReader&, Pattern&) { return true; }}},
        {"radial", {K::Radial, ReadRadial}},
        {"checker", {K::Checker, ReadCounts}},
        {"noise",
         {K::Noise,
          [](LineReader& in, Pattern& p) { return ReadCounts(in, p) && in.Count(p.octaves, "octaves", 8); }}},
        {"cells",
         {K::Cells,
          [](LineReader& in, Pattern& p) {
              return ReadCounts(in, p) && ReadPart(in, p, {{"nearest", P::Nearest}, {"edges", P::Edges}});
          }}},
        {"bricks",
         {K::Bricks,
          [](LineReader& in, Pattern& p)
          {
              return ReadCounts(in, p) && in.Number(p.extra, "shift") &&
                     ReadPart(in, p, {{"tint", P::Tint}, {"mortar", P::Mortar}});
          }}},
        {"stripes",
         {K::Stripes, [](LineReader& in, Pattern& p)
          { return in.Number(p.x, "stripes along u") && in.Number(p.y, "stripes along v"); }}},
        {"planks", {K::Planks, ReadPlanks}},
    };
    return readers;
}

// The pattern word and its own numbers.
bool ReadPattern(LineReader& in, const std::string& kind, Pattern& p)
{
    const auto reader = PatternReaders().find(kind);
    if (reader == PatternReaders().end())
        return in.Fail("'" + kind + "' is no setting or pattern");
    p.kind = reader->second.first;
    return reader->second.second(in, p);
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
        if (end != word.c_str() + colon || !std::isfinite(stop.at) ||
            !in.Colour(stop.colour, word.substr(colon + 1)))
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

bool ReadFlatColour(LineReader& in, RecipeLayer& layer)
{
    std::string word;
    layer.ramp.assign(1, {});
    return in.Word(word, "colour") && in.Colour(layer.ramp[0].colour, word);
}

bool ReadPositive(LineReader& in, float& out, bool& given, const char* what)
{
    given = in.Number(out, what);
    return given && (out > 0.0f || in.Fail(std::string(what) + " must be above 0"));
}

bool ReadWidths(LineReader& in, float (&range)[2], const char* what)
{
    return in.Number(range[0], what) && in.Number(range[1], what) &&
           (range[0] != range[1] || in.Fail(std::string(what) + " needs two different numbers"));
}

bool ReadLayerSeed(LineReader& in, RecipeLayer& layer)
{
    int seed = 1;
    if (!in.Count(seed, "seed", 1 << 24))
        return false;
    layer.pattern.seed = static_cast<uint32_t>(seed);
    layer.seeded = true;
    return true;
}

using OptionReader = std::function<bool(LineReader&, RecipeLayer&)>;

const std::map<std::string, OptionReader>& OptionReaders()
{
    using L = RecipeLayer;
    static const std::map<std::string, OptionReader> readers = {
        {"colour", ReadFlatColour},
        {"ramp", ReadRamp},
        {"levels", [](LineReader& in, L& l) { return in.Range(l.levels, "levels"); }},
        {"mask", [](LineReader& in, L& l) { return in.Range(l.mask, "mask"); }},
        {"fade_in", [](LineReader& in, L& l) { return in.Range(l.fadeIn, "fade_in"); }},
        {"fade_out", [](LineReader& in, L& l) { return in.Range(l.fadeOut, "fade_out"); }},
        {"power", [](LineReader& in, L& l) { return ReadPositive(in, l.power, l.hasPower, "power"); }},
        {"amount", [](LineReader& in, L& l) { return l.hasAmount = in.Number(l.amount, "amount"); }},
        {"invert", [](LineReader&, L& l) { return l.invert = true; }},
        {"band", ReadBand},
        {"warp", [](LineReader& in, L& l) { return ReadWarp(in, l.pattern); }},
        {"seed", ReadLayerSeed},
        {"seam", [](LineReader& in, L& l) { return ReadWidths(in, l.pattern.seam, "seam"); }},
        {"joint", [](LineReader& in, L& l) { return ReadWidths(in, l.pattern.joint, "joint"); }},
        {"mortar", [](LineReader& in, L& l) { return ReadWidths(in, l.pattern.mortar, "mortar"); }},
    };
    return readers;
}

bool ReadLayer(LineReader& in, const std::string& kind, RecipeLayer& layer)
{
    if (!ReadPattern(in, kind, layer.pattern))
        return false;
    std::set<std::string> given;
    while (!in.AtEnd())
    {
        std::string key;
        in.Word(key, "option");
        if (key == "color")
            key = "colour";
        const auto reader = OptionReaders().find(key);
        if (reader == OptionReaders().end())
            return in.Fail("'" + key + "' is no layer option");
        if (!given.insert(key).second)
            return in.Fail("'" + key + "' is given twice");
        if (!reader->second(in, layer))
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
    {
        if (!in.Word(word, "rgb or rgba") || (word != "rgb" && word != "rgba"))
            return in.Fail("channels are rgb or rgba");
        recipe.withAlpha = word == "rgba";
        return true;
    }
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
    const size_t errorsBefore = errors.size();
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number)
    {
        LineReader in(WithoutComment(line));
        std::string key;
        if (in.AtEnd() || !in.Word(key, "setting"))
            continue;
        bool known = false;
        bool read = ReadSetting(in, key, recipe, known);
        if (!known)
        {
            RecipeLayer layer;
            read = ReadLayer(in, key, layer);
            recipe.layers.push_back(layer);
        }
        if (read && !in.AtEnd())
            read = in.Fail("'" + in.Peek() + "' is one word too many");
        if (!read)
            errors.push_back(path + ":" + std::to_string(number) + ": " + in.error);
    }
    if (errors.size() > errorsBefore)
        return std::nullopt;
    for (RecipeLayer& layer : recipe.layers)
        if (!layer.seeded)
            layer.pattern.seed = recipe.seed;
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
