#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

/// One frame to write as a PNG file (--screenshot FILE@FRAME).
struct SimScreenshot
{
    std::string path;
    long long frame = 0;
};

/// A track's level-select picture to draw (--preview NAME FILE).
struct SimPreview
{
    std::string track;
    std::string path;
};

/// What the headless runner was asked to do.
struct SimOptions
{
    std::string root;
    std::optional<long long> frames;
    std::optional<float> dt;
    std::optional<unsigned> seed;
    std::optional<int> state;
    /// Players 0 .. humans - 1 are driven by people (the keyboard and pads of --input).
    int humans = 0;
    /// The element of each player 0-3 in a race opened without the menus; each its own in turn
    /// when not given.
    std::optional<std::array<int, 4>> elements;
    std::optional<std::string> scene;
    /// Start the race on this track (a name from res/TrackList.xml) with four computer racers.
    std::optional<std::string> track;
    std::optional<std::string> reportPath;
    std::optional<std::string> inputPath;
    /// Write the race (or races) of the run as a replay to this file.
    std::optional<std::string> recordPath;
    /// Play this replay back: its race, seed, seats, frame times and input.
    std::optional<std::string> replayPath;
    /// Add the world's hash to the report every so many frames (0: only the last frame's).
    long long hashEvery = 0;
    /// Run this many Autoplay races back to back through the menus, one line per race.
    int soakRaces = 0;
    /// The soak also ends after the race in which this many minutes have passed.
    std::optional<double> soakMinutes;
    /// Render with OpenGL on SDL's offscreen driver; set by --render and by --screenshot.
    bool render = false;
    std::vector<SimScreenshot> screenshots;
    std::optional<SimPreview> preview;
    bool help = false;
};

/// Parses the runner's arguments (argv[0] excluded). On a bad argument returns nothing and
/// writes one line saying why into `error`.
std::optional<SimOptions> ParseSimOptions(int argc, const char* const* argv, std::string& error);

/// Makes every path option absolute against `callerDirectory`, so files mean what the caller meant
/// once --root has changed the working directory.
void ResolveSimPaths(SimOptions& options, const std::filesystem::path& callerDirectory);

/// The usage text printed by --help and after a bad argument.
const char* SimUsage();
