#include "app/SimOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>

namespace
{
bool ParseInteger(const std::string& text, long long low, long long high, long long& out)
{
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE || value < low || value > high)
        return false;
    out = value;
    return true;
}

bool ParseSeconds(const std::string& text, float& out)
{
    char* end = nullptr;
    const float value = std::strtof(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value) || value < 0.0f || value > 10.0f)
        return false;
    out = value;
    return true;
}

// FILE@FRAME; the last '@' splits, so file names may contain one.
bool ParseScreenshot(const std::string& text, SimOptions& options)
{
    const size_t at = text.rfind('@');
    long long frame = 0;
    if (at == std::string::npos || at == 0 ||
        !ParseInteger(text.substr(at + 1), 0, 1'000'000'000'000LL, frame))
        return false;
    options.screenshots.push_back({text.substr(0, at), frame});
    options.render = true;
    return true;
}

using Setter = std::function<bool(SimOptions&, const std::string&)>;

const std::map<std::string, Setter>& Setters()
{
    static const std::map<std::string, Setter> setters = {
        {"--root",
         [](SimOptions& o, const std::string& v)
         {
             o.root = v;
             return !v.empty();
         }},
        {"--frames",
         [](SimOptions& o, const std::string& v)
         {
             long long n = 0;
             return ParseInteger(v, 0, 1'000'000'000'000LL, n) ? (o.frames = n, true) : false;
         }},
        {"--dt",
         [](SimOptions& o, const std::string& v)
         {
             float dt = 0;
             return ParseSeconds(v, dt) ? (o.dt = dt, true) : false;
         }},
        {"--seed",
         [](SimOptions& o, const std::string& v)
         {
             long long n = 0;
             return ParseInteger(v, 0, 4294967295LL, n) ? (o.seed = static_cast<unsigned>(n), true) : false;
         }},
        {"--state",
         [](SimOptions& o, const std::string& v)
         {
             long long n = 0;
             return ParseInteger(v, 0, 1000, n) ? (o.state = static_cast<int>(n), true) : false;
         }},
        {"--humans",
         [](SimOptions& o, const std::string& v)
         {
             long long n = 0;
             return ParseInteger(v, 0, 4, n) ? (o.humans = static_cast<int>(n), true) : false;
         }},
        {"--elements",
         [](SimOptions& o, const std::string& v)
         {
             std::array<int, 4> elements{};
             if (v.size() != elements.size())
                 return false;
             for (size_t i = 0; i < v.size(); ++i)
             {
                 if (v[i] < '0' || v[i] > '3')
                     return false;
                 elements[i] = v[i] - '0';
             }
             o.elements = elements;
             return true;
         }},
        {"--scene",
         [](SimOptions& o, const std::string& v)
         {
             o.scene = v;
             return !v.empty();
         }},
        {"--track",
         [](SimOptions& o, const std::string& v)
         {
             o.track = v;
             return !v.empty();
         }},
        {"--report",
         [](SimOptions& o, const std::string& v)
         {
             o.reportPath = v;
             return !v.empty();
         }},
        {"--input",
         [](SimOptions& o, const std::string& v)
         {
             o.inputPath = v;
             return !v.empty();
         }},
        {"--screenshot", [](SimOptions& o, const std::string& v) { return ParseScreenshot(v, o); }},
        {"--record",
         [](SimOptions& o, const std::string& v)
         {
             o.recordPath = v;
             return !v.empty();
         }},
        {"--replay",
         [](SimOptions& o, const std::string& v)
         {
             o.replayPath = v;
             return !v.empty();
         }},
        {"--hash-every", [](SimOptions& o, const std::string& v)
         { return ParseInteger(v, 1, 1'000'000'000'000LL, o.hashEvery); }},
        {"--soak-minutes",
         [](SimOptions& o, const std::string& v)
         {
             char* end = nullptr;
             const double minutes = std::strtod(v.c_str(), &end);
             const bool good = !v.empty() && *end == '\0' && std::isfinite(minutes) && minutes > 0.0;
             return good ? (o.soakMinutes = minutes, true) : false;
         }},
        {"--soak",
         [](SimOptions& o, const std::string& v)
         {
             long long n = 0;
             return ParseInteger(v, 1, 1'000'000, n) ? (o.soakRaces = static_cast<int>(n), true) : false;
         }},
    };
    return setters;
}

/// A replay or a soak decides what runs; options that would choose something else are refused.
bool CheckCombinations(const SimOptions& o, std::string& error)
{
    // The caller's string may still hold the reason of an earlier, failed parse.
    error.clear();
    const bool choosesRun = o.state || o.scene || o.track || o.inputPath;
    if (o.replayPath && (choosesRun || o.humans > 0 || o.soakRaces > 0))
        error = "--replay plays the recorded race and input; it cannot be combined with --state, "
                "--scene, --track, --input, --humans or --soak";
    else if (o.soakMinutes && o.soakRaces == 0)
        error = "--soak-minutes needs --soak RACES";
    else if (o.soakRaces > 0 && (choosesRun || o.frames))
        error = "--soak runs Autoplay races from the main menu; it cannot be combined with --state, "
                "--scene, --track, --input or --frames";
    return error.empty();
}
} // namespace

std::optional<SimOptions> ParseSimOptions(int argc, const char* const* argv, std::string& error)
{
    SimOptions options;
    for (int i = 0; i < argc; ++i)
    {
        const std::string flag = argv[i];
        if (flag == "--help" || flag == "-h")
        {
            options.help = true;
            continue;
        }
        if (flag == "--render")
        {
            options.render = true;
            continue;
        }
        if (flag == "--preview")
        {
            // Two values: the track, then the picture's file.
            if (i + 2 >= argc || !*argv[i + 1] || !*argv[i + 2])
            {
                error = "option '--preview' needs a track name and a file";
                return std::nullopt;
            }
            options.preview = SimPreview{argv[i + 1], argv[i + 2]};
            options.render = true;
            i += 2;
            continue;
        }
        auto setter = Setters().find(flag);
        if (setter == Setters().end())
        {
            error = "unknown option '" + flag + "'";
            return std::nullopt;
        }
        if (i + 1 >= argc)
        {
            error = "option '" + flag + "' needs a value";
            return std::nullopt;
        }
        const std::string value = argv[++i];
        if (!setter->second(options, value))
        {
            error = "bad value '" + value + "' for " + flag;
            return std::nullopt;
        }
    }
    return CheckCombinations(options, error) ? std::optional(options) : std::nullopt;
}

void ResolveSimPaths(SimOptions& options, const std::filesystem::path& callerDirectory)
{
    const auto resolve = [&callerDirectory](std::string& path) { path = (callerDirectory / path).string(); };
    if (!options.root.empty())
        resolve(options.root);
    if (options.reportPath)
        resolve(*options.reportPath);
    if (options.inputPath)
        resolve(*options.inputPath);
    if (options.recordPath)
        resolve(*options.recordPath);
    if (options.replayPath)
        resolve(*options.replayPath);
    for (SimScreenshot& shot : options.screenshots)
        resolve(shot.path);
    if (options.preview)
        resolve(options.preview->path);
}

const char* SimUsage()
{
    return "usage: vantora-sim [--root DIR] [--frames N] [--dt SECONDS] [--seed N] [--state ID]\n"
           "                   [--scene NAME] [--report FILE] [--input FILE] [--humans N] [--elements ABCD] "
           "[--render]\n"
           "                   [--track NAME] [--screenshot FILE@FRAME]... [--record FILE]\n"
           "                   [--replay FILE] [--hash-every N] [--soak RACES [--soak-minutes M]]\n"
           "                   [--preview NAME FILE]\n"
           "Runs the game headless: no window, no sound, the same systems and data.\n"
           "--render draws every frame with OpenGL on SDL's offscreen driver (Mesa), 1280 x 720.\n"
           "--screenshot FILE@FRAME writes frame FRAME (counted from 0) as a PNG file; it may be\n"
           "  given more than once and implies --render.\n"
           "File paths are taken from the directory the runner is started in, not from --root.\n"
           "The run ends after --frames, when the game quits, when the last open screen closes\n"
           "(a race's scripts switching to a screen that creates nothing, for instance), or when\n"
           "the first state creates no screen.\n"
           "--input FILE applies timed input at the start of each named frame (frames count from 0):\n"
           "  FRAME key down|up VK                      Windows virtual-key code\n"
           "  FRAME pad SLOT connect|disconnect         SLOT 0..3\n"
           "  FRAME pad SLOT button MASK down|up        XInput button mask, e.g. 0x1000 for A\n"
           "  FRAME pad SLOT axis lx|ly|rx|ry VALUE     -32768..32767, y up\n"
           "  FRAME pad SLOT axis lt|rt VALUE           0..255\n"
           "  FRAME focus on|off\n"
           "  # starts a comment\n"
           "--track NAME starts the race on that track of res/TrackList.xml with four computer\n"
           "  racers, without the menus; an unknown name stops the runner.\n"
           "--humans N makes players 1 to N people, driven by that input, instead of the computer.\n"
           "--record FILE writes each race of the run as a replay to FILE (the last one stays).\n"
           "--replay FILE plays a recorded race back: its track, seed, racers, frame times and\n"
           "  input; the run ends with the recording, and says whether the state hash matches.\n"
           "--hash-every N adds the state hash every N frames to the report (\"state_hashes\").\n"
           "--soak RACES runs that many Autoplay races back to back through the menus, each\n"
           "  seeded with --seed plus its number, and prints one line per race with the memory\n"
           "  in use; with --soak-minutes M it also ends after the race in which M minutes passed.\n"
           "--elements ABCD gives players 1 to 4 the elements A to D (0 fire, 1 water, 2 wind, 3 earth)\n"
           "  in a race opened without the menus, e.g. 2031.\n"
           "--preview NAME FILE draws scene NAME from high above and behind its finish line and\n"
           "  writes the level select's picture of it (576 x 324 PNG) to FILE; implies --render.\n";
}
