// vantora-sim: the headless runner. Same engine, systems and data as the game, driven by options.
#include "app/CompositionRoot.h"
#include "app/SimOptions.h"
#include "app/SimReport.h"
#include "core/Engine.h"
#include "core/WindowManager.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ImageFile.h"
#include "input/InputScript.h"
#include "objects/Factory.h"
#include "states/GameStateManager.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace
{
void StartFirstScreen(const SimOptions& options)
{
    GameStateManager& states = GameStateManager::Instance();
    if (options.scene)
    {
        // No screens: the named scene alone runs.
        states.RequestPush(0);
        Factory::Instance().LoadScene(*options.scene, "");
    }
    else if (options.state)
        states.RequestPush(*options.state);
}

/// Whether a screen has been open and none is left: a race's scripts switched to a screen that
/// creates nothing (the results, until they exist), so nothing more can happen in this run.
bool LastScreenClosed(bool& hadScreen)
{
    const size_t open = GameStateManager::Instance().StackSize();
    hadScreen = hadScreen || open > 0;
    return hadScreen && open == 0;
}

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
        return std::any_of(m_shots.begin(), m_shots.end(), [frame](const SimScreenshot& s) { return s.frame == frame; });
    }

    std::vector<SimScreenshot> m_shots;
};

void RunFrames(Engine& engine, std::optional<long long> maxFrames, const InputScript& input,
               const Screenshots& screenshots)
{
    bool hadScreen = false;
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
        if (LastScreenClosed(hadScreen))
        {
            std::printf("vantora-sim: no screen is open after frame %lld; the run ends\n", engine.FramesRun());
            return;
        }
    }
}
} // namespace

int main(int argc, char** argv)
{
    CompositionRoot::Compose();
    std::string error;
    const std::optional<SimOptions> options = ParseSimOptions(argc - 1, argv + 1, error);
    if (!options || options->help)
    {
        if (!options)
            std::fprintf(stderr, "vantora-sim: %s\n", error.c_str());
        std::fputs(SimUsage(), options ? stdout : stderr);
        return options ? 0 : 2;
    }
    // Read before --root changes the working directory, so the path means what the caller meant.
    InputScript input;
    if (options->inputPath && !InputScript::Load(*options->inputPath, input))
    {
        std::fprintf(stderr, "vantora-sim: cannot open input file '%s'\n", options->inputPath->c_str());
        return 1;
    }
    // Screenshot paths too are the caller's, not relative to --root.
    std::vector<SimScreenshot> shots = options->screenshots;
    for (SimScreenshot& shot : shots)
        shot.path = std::filesystem::absolute(shot.path).string();
    std::error_code cd;
    if (!options->root.empty())
        std::filesystem::current_path(options->root, cd);
    if (cd)
    {
        std::fprintf(stderr, "vantora-sim: cannot enter '%s': %s\n", options->root.c_str(), cd.message().c_str());
        return 1;
    }

    const auto wallStart = std::chrono::steady_clock::now();
    WindowManager& window = WindowManager::Instance();
    window.SetTitle("Vantora");
    window.SetHeadless(!options->render);
    if (options->render)
    {
        // Offscreen and windowed, so frames are 1280 x 720 whatever display there is or is not.
        window.UseOffscreenDriver();
        GraphicsSystem::Instance().SetFullscreen(false);
    }
    Engine engine;
    if (options->dt)
        engine.GetFrameController().SetFixedDeltaTime(*options->dt);
    engine.SetRandomSeed(options->seed);
    engine.Init();
    if (options->render && !GraphicsSystem::Instance().HasDevice())
    {
        std::fprintf(stderr, "vantora-sim: --render needs OpenGL 3.3 (Mesa or a GPU) and none could be created\n");
        return 1;
    }
    StartFirstScreen(*options);
    RunFrames(engine, options->frames, input, Screenshots(std::move(shots)));

    SimReport report;
    report.frames = engine.FramesRun();
    report.finalState = GameStateManager::Instance().GetGameState();
    report.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    report.race = SimReport::CaptureRace();
    Factory::Instance().DestroyAll();
    GraphicsSystem::Instance().Shutdown();
    if (options->reportPath && !report.Write(*options->reportPath))
        std::fprintf(stderr, "vantora-sim: cannot write report '%s'\n", options->reportPath->c_str());
    std::fflush(stdout);
    return 0;
}
