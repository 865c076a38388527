// vantora-sim: the headless runner. Same engine, systems and data as the game, driven by options.
#include "app/CompositionRoot.h"
#include "app/RaceWatch.h"
#include "app/SimOptions.h"
#include "app/SimReport.h"
#include "app/SimSoak.h"
#include "app/TrackPreview.h"
#include "core/Engine.h"
#include "core/EngineGlobals.h"
#include "core/Messaging.h"
#include "core/StateHash.h"
#include "core/WindowManager.h"
#include "gameplay/WorldHash.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ImageFile.h"
#include "input/InputScript.h"
#include "input/Replay.h"
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "sound/SoundSystem.h"
#include "states/GameStateId.h"
#include "states/GameStateManager.h"
#include "states/RaceRecording.h"
#include "text/TextSystem.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

namespace
{
/// The index of the track named `name` in res/TrackList.xml; nothing (and one line) when it has
/// no such track.
std::optional<int> TrackIndexOf(const std::string& name)
{
    std::string known;
    for (const auto& [index, track] : realTrackNames)
    {
        if (track == name)
            return index;
        known += (known.empty() ? "" : ", ") + track;
    }
    std::printf("vantora-sim: no track '%s' in res/TrackList.xml (tracks: %s)\n", name.c_str(),
                known.c_str());
    return std::nullopt;
}

/// The recorded race's track, seats and seed in place of the run's own choices; false (and one
/// line) when this res/ has no such track.
bool PrepareReplay(const Replay& replay, SimOptions& options)
{
    const std::optional<int> index = TrackIndexOf(replay.track);
    if (!index)
        return false;
    Logic& logic = Logic::Instance();
    logic.ChosenTrackIndex() = *index;
    logic.SetAllPlayersComputer();
    for (size_t player = 0; player < replay.seats.size(); ++player)
    {
        logic.SetPlayerIsComputer(static_cast<int>(player), !replay.seats[player].human);
        logic.SetPlayerElement(static_cast<int>(player), replay.seats[player].element);
    }
    RaceRecording::Instance().PlayBack(replay);
    options.state = GameStateId::kLevel1;
    if (!options.frames || *options.frames > replay.frames)
        options.frames = replay.frames;
    return true;
}

/// Opens what the run asked for; false when it cannot be opened.
bool StartFirstScreen(SimOptions& options, const std::optional<Replay>& replay)
{
    if (replay)
    {
        if (!PrepareReplay(*replay, options))
            return false;
        GameStateManager::Instance().RequestPush(GameStateId::kLevel1);
        return true;
    }
    if (options.track)
    {
        const std::optional<int> index = TrackIndexOf(*options.track);
        if (!index)
            return false;
        Logic::Instance().ChosenTrackIndex() = *index;
        options.state = GameStateId::kLevel1;
    }
    GameStateManager& states = GameStateManager::Instance();
    // A race opened without the menus gets what Autoplay gives it: each racer its own element.
    if (options.state == GameStateId::kLevel1)
        Logic::Instance().SetAllPlayersComputer();
    if (options.elements)
        for (int player = 0; player < 4; ++player)
            Logic::Instance().SetPlayerElement(player, (*options.elements)[static_cast<size_t>(player)]);
    for (int player = 0; player < options.humans; ++player)
        Logic::Instance().SetPlayerIsComputer(player, false);
    if (options.scene)
    {
        // No screens: the named scene alone runs.
        states.RequestPush(0);
        Factory::Instance().LoadScene(*options.scene, "");
    }
    else if (options.state)
        states.RequestPush(*options.state);
    return true;
}

/// Notices when no screen can ever be open again, so nothing more can happen in the run: a screen
/// has been open and none is left (a race's scripts switched to a screen that creates nothing), or
/// the first state created no screen at all.
class ScreenWatch
{
  public:
    /// `firstState` is the state the run asked for, or nothing when a scene runs without screens.
    explicit ScreenWatch(std::optional<int> firstState) : m_firstState(firstState) {}

    /// After each frame: whether the run ends here; if so, says why in one line.
    bool RunEnds(long long framesRun)
    {
        const GameStateManager& states = GameStateManager::Instance();
        const bool open = states.StackSize() > 0;
        m_hadScreen = m_hadScreen || open;
        if (m_hadScreen && !open)
        {
            std::printf("vantora-sim: no screen is open after frame %lld; the run ends\n", framesRun);
            return true;
        }
        // The first request is taken in the first frame; once it is gone and left no screen,
        // nothing is left that could open one.
        if (m_firstState && !m_hadScreen && states.GetPendingRequest() == GameStateId::kNone)
        {
            std::printf(
                "vantora-sim: the first state (%d) creates no screen; the run ends after frame %lld\n",
                *m_firstState, framesRun);
            return true;
        }
        return false;
    }

  private:
    std::optional<int> m_firstState;
    bool m_hadScreen = false;
};

/// Keeps the pixels of the frames the run was asked to photograph and writes them as PNG files.
class Screenshots
{
  public:
    explicit Screenshots(std::vector<SimScreenshot> shots) : m_shots(std::move(shots)) {}

    /// Before frame `frame` runs: asks the graphics system to keep its pixels if it is wanted.
    void BeforeFrame(long long frame) const
    {
        if (Wanted(frame))
            GraphicsSystem::Instance().RequestCapture();
    }

    /// After frame `frame` ran: writes it to every file that asked for it.
    void AfterFrame(long long frame) const
    {
        if (!Wanted(frame))
            return;
        DecodedImage image;
        if (!GraphicsSystem::Instance().TakeCapture(image))
        {
            std::fprintf(stderr, "vantora-sim: frame %lld was not drawn, no screenshot\n", frame);
            return;
        }
        for (const SimScreenshot& shot : m_shots)
            if (shot.frame == frame && !WritePngFile(shot.path, image))
                std::fprintf(stderr, "vantora-sim: cannot write screenshot '%s'\n", shot.path.c_str());
    }

  private:
    bool Wanted(long long frame) const
    {
        return std::any_of(m_shots.begin(), m_shots.end(),
                           [frame](const SimScreenshot& s) { return s.frame == frame; });
    }

    std::vector<SimScreenshot> m_shots;
};

constexpr float kDefaultDt = 1.0f / 60.0f;

/// What drives the frames besides the game itself: timed input, a replay, a soak, and the hashes
/// the report collects.
struct FrameFeed
{
    const InputScript& input;
    const std::optional<Replay>& replay;
    std::optional<SimSoak>& soak;
    RaceWatch& race;
    long long hashEvery = 0;
    std::vector<std::pair<long long, uint64_t>> hashes;
};

void FeedFrame(Engine& engine, long long frame, FrameFeed& feed)
{
    // The input of a frame is in place before its first system runs, as the window's events
    // would be after the pump at the start of the frame.
    feed.input.ApplyFrame(frame);
    if (feed.replay)
    {
        feed.replay->ApplyFrame(frame);
        const float dt = feed.replay->FrameTime(frame);
        engine.GetFrameController().SetFixedDeltaTime(dt);
        engine.SetDeltaTime(dt);
    }
    if (feed.soak)
        feed.soak->BeforeFrame();
}

/// After a frame: the hash when one is due; true when the soak is done.
bool AfterFrame(const Engine& engine, FrameFeed& feed)
{
    feed.race.AfterFrame();
    if (feed.hashEvery > 0 && engine.FramesRun() % feed.hashEvery == 0)
        feed.hashes.emplace_back(engine.FramesRun(), WorldHash::Compute());
    return feed.soak && feed.soak->AfterFrame(engine.FramesRun());
}

void RunFrames(Engine& engine, const SimOptions& options, FrameFeed& feed, const Screenshots& screenshots)
{
    const std::optional<long long> maxFrames = options.frames;
    ScreenWatch screens(options.scene ? std::nullopt
                                      : std::optional(options.state.value_or(GameStateId::kMainMenu)));
    while (!maxFrames || engine.FramesRun() < *maxFrames)
    {
        const long long frame = engine.FramesRun();
        FeedFrame(engine, frame, feed);
        screenshots.BeforeFrame(frame);
        if (!engine.RunFrame())
            return;
        screenshots.AfterFrame(frame);
        if (AfterFrame(engine, feed) || screens.RunEnds(engine.FramesRun()))
            return;
    }
}

/// After a replay: whether the world ended where the recording did, in one line.
void SayWhetherReplayMatches(const Replay& replay, const Engine& engine, uint64_t hash)
{
    if (engine.FramesRun() != replay.frames)
        std::printf("vantora-sim: the replay stopped after %lld of its %lld frames\n", engine.FramesRun(),
                    replay.frames);
    else if (hash == replay.finalHash)
        std::printf("vantora-sim: replay done after %lld frames; the state hash %s matches the recording\n",
                    engine.FramesRun(), StateHash::ToHex(hash).c_str());
    else
        std::printf("vantora-sim: replay done after %lld frames; the state hash %s differs from the "
                    "recording's %s\n",
                    engine.FramesRun(), StateHash::ToHex(hash).c_str(),
                    StateHash::ToHex(replay.finalHash).c_str());
}

bool EnterRoot(const std::string& root)
{
    std::error_code error;
    if (!root.empty())
        std::filesystem::current_path(root, error);
    if (error)
        std::fprintf(stderr, "vantora-sim: cannot enter '%s': %s\n", root.c_str(), error.message().c_str());
    return !error;
}

/// Every change of the state stack, as [frame, top state id].
std::vector<std::pair<long long, int>>& StateChanges()
{
    static std::vector<std::pair<long long, int>> changes;
    return changes;
}

void RecordStateChanges(const SimOptions& options, const Engine& engine)
{
    // Only a report reads them; a soak of thousands of races would otherwise keep every change.
    if (!options.reportPath)
        return;
    GameStateManager::Instance().SetStackListener(
        [&engine](int topId) { StateChanges().emplace_back(engine.FramesRun(), topId); });
}

void WriteReport(const SimOptions& options, const Engine& engine,
                 std::chrono::steady_clock::time_point wallStart, FrameFeed& feed, uint64_t hash)
{
    SimReport report;
    report.stateHash = hash;
    report.stateHashes = std::move(feed.hashes);
    report.states = StateChanges();
    report.frames = engine.FramesRun();
    report.finalState = GameStateManager::Instance().GetGameState();
    report.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    report.race = feed.race.Race() ? feed.race.Race() : SimReport::CaptureRace();
    report.texts = TextSystem::Instance().LastFrameTexts();
    report.sounds = SimReport::CaptureSounds();
    if (options.reportPath && !report.Write(*options.reportPath))
        std::fprintf(stderr, "vantora-sim: cannot write report '%s'\n", options.reportPath->c_str());
}

/// Races are seeded from --seed (one more each), and recorded when --record asks.
void PrepareRaces(const SimOptions& options)
{
    RaceRecording& races = RaceRecording::Instance();
    races.SetBaseSeed(options.seed);
    if (options.recordPath)
        races.RecordToFile(*options.recordPath);
}

/// Starts the engine in the working directory and runs it; the process's exit status.
int Run(SimOptions& options, const InputScript& input, const std::optional<Replay>& replay)
{
    const auto wallStart = std::chrono::steady_clock::now();
    WindowManager& window = WindowManager::Instance();
    window.SetTitle("Vantora");
    window.SetHeadless(!options.render);
    if (options.render)
    {
        // Offscreen and windowed, so frames are 1280 x 720 whatever display there is or is not.
        window.UseOffscreenDriver();
        GraphicsSystem::Instance().SetFullscreen(false);
    }
    // The runner is heard by its report alone: the sound system keeps its books without a device.
    SoundSystem::Instance().SetSilent(true);
    Engine engine;
    // Runs are repeatable only when no frame's length depends on the machine's load.
    engine.GetFrameController().SetFixedDeltaTime(options.dt.value_or(kDefaultDt));
    engine.SetRandomSeed(options.seed);
    // Copying every text each frame costs allocations the game itself does without.
    TextSystem::Instance().SetRecording(options.reportPath.has_value());
    if (!engine.Init())
        return 1;
    if (options.render && !GraphicsSystem::Instance().HasDevice())
    {
        std::fprintf(stderr,
                     "vantora-sim: --render needs OpenGL 3.3 (Mesa or a GPU) and none could be created\n");
        return 1;
    }
    if (options.preview)
    {
        const bool drawn = TrackPreview::Render(engine, options.preview->track, options.preview->path);
        Factory::Instance().DestroyAll();
        GraphicsSystem::Instance().Shutdown();
        return drawn ? 0 : 1;
    }
    PrepareRaces(options);
    if (!StartFirstScreen(options, replay))
    {
        Factory::Instance().DestroyAll();
        GraphicsSystem::Instance().Shutdown();
        return 1;
    }
    RecordStateChanges(options, engine);
    std::optional<SimSoak> soak;
    if (options.soakRaces > 0)
        soak.emplace(options.soakRaces, options.soakMinutes);
    RaceWatch race(options.dt.value_or(kDefaultDt));
    FrameFeed feed{input, replay, soak, race, options.hashEvery, {}};
    RunFrames(engine, options, feed, Screenshots(options.screenshots));
    // A race still running when the run stops is kept, as one left through the menus would be.
    RaceRecording::Instance().RaceEnds();
    const uint64_t hash = WorldHash::Compute();
    if (replay)
        SayWhetherReplayMatches(*replay, engine, hash);
    if (soak)
        soak->PrintSummary();
    WriteReport(options, engine, wallStart, feed, hash);
    GameStateManager::Instance().SetStackListener(nullptr);
    Factory::Instance().DestroyAll();
    GraphicsSystem::Instance().Shutdown();
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    Messaging::WriteDiagnosticsLineByLine();
    CompositionRoot::Compose();
    std::string error;
    std::optional<SimOptions> options = ParseSimOptions(argc - 1, argv + 1, error);
    if (!options || options->help)
    {
        if (!options)
            std::fprintf(stderr, "vantora-sim: %s\n", error.c_str());
        std::fputs(SimUsage(), options ? stdout : stderr);
        return options ? 0 : 2;
    }
    std::error_code noCwd;
    ResolveSimPaths(*options, std::filesystem::current_path(noCwd));
    InputScript input;
    if (options->inputPath && !InputScript::Load(*options->inputPath, input))
    {
        std::fprintf(stderr, "vantora-sim: cannot open input file '%s'\n", options->inputPath->c_str());
        return 1;
    }
    std::optional<Replay> replay;
    if (options->replayPath)
    {
        std::string problem;
        replay = Replay::Load(*options->replayPath, problem);
        if (!replay)
        {
            std::printf("vantora-sim: replay '%s' %s; nothing is played\n", options->replayPath->c_str(),
                        problem.c_str());
            return 1;
        }
    }
    if (!EnterRoot(options->root))
        return 1;
    return Run(*options, input, replay);
}
