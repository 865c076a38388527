// vantora-sim: the headless runner. Same engine, systems and data as the game, driven by options.
#include "app/CompositionRoot.h"
#include "app/SimOptions.h"
#include "app/SimReport.h"
#include "app/TrackPreview.h"
#include "core/Engine.h"
#include "core/EngineGlobals.h"
#include "core/Messaging.h"
#include "core/WindowManager.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ImageFile.h"
#include "input/InputScript.h"
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "sound/SoundSystem.h"
#include "states/GameStateId.h"
#include "states/GameStateManager.h"
#include "text/TextSystem.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>

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

/// Opens what the run asked for; false when it cannot be opened.
bool StartFirstScreen(SimOptions& options)
{
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

void RunFrames(Engine& engine, const SimOptions& options, const InputScript& input,
               const Screenshots& screenshots)
{
    const std::optional<long long> maxFrames = options.frames;
    ScreenWatch screens(options.scene ? std::nullopt
                                      : std::optional(options.state.value_or(GameStateId::kMainMenu)));
    while (!maxFrames || engine.FramesRun() < *maxFrames)
    {
        // The input of a frame is in place before its first system runs, as the window's events
        // would be after the pump at the start of the frame.
        input.ApplyFrame(engine.FramesRun());
        const long long frame = engine.FramesRun();
        screenshots.BeforeFrame(frame);
        if (!engine.RunFrame())
            return;
        screenshots.AfterFrame(frame);
        if (screens.RunEnds(engine.FramesRun()))
            return;
    }
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

void RecordStateChanges(const Engine& engine)
{
    GameStateManager::Instance().SetStackListener(
        [&engine](int topId) { StateChanges().emplace_back(engine.FramesRun(), topId); });
}

void WriteReport(const SimOptions& options, const Engine& engine,
                 std::chrono::steady_clock::time_point wallStart)
{
    SimReport report;
    report.states = StateChanges();
    report.frames = engine.FramesRun();
    report.finalState = GameStateManager::Instance().GetGameState();
    report.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    report.race = SimReport::CaptureRace();
    report.texts = TextSystem::Instance().LastFrameTexts();
    report.sounds = SimReport::CaptureSounds();
    if (options.reportPath && !report.Write(*options.reportPath))
        std::fprintf(stderr, "vantora-sim: cannot write report '%s'\n", options.reportPath->c_str());
}

/// Starts the engine in the working directory and runs it; the process's exit status.
int Run(SimOptions& options, const InputScript& input)
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
    if (options.dt)
        engine.GetFrameController().SetFixedDeltaTime(*options.dt);
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
    if (!StartFirstScreen(options))
    {
        Factory::Instance().DestroyAll();
        GraphicsSystem::Instance().Shutdown();
        return 1;
    }
    RecordStateChanges(engine);
    RunFrames(engine, options, input, Screenshots(options.screenshots));
    WriteReport(options, engine, wallStart);
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
    if (!EnterRoot(options->root))
        return 1;
    return Run(*options, input);
}
