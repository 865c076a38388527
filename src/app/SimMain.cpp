// vantora-sim: the headless runner. Same engine, systems and data as the game, driven by options.
#include "app/SimOptions.h"
#include "app/SimReport.h"
#include "core/Engine.h"
#include "core/WindowManager.h"
#include "input/InputScript.h"
#include "objects/Factory.h"
#include "states/GameStateManager.h"

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

void RunFrames(Engine& engine, std::optional<long long> maxFrames, const InputScript& input)
{
    bool hadScreen = false;
    while (!maxFrames || engine.FramesRun() < *maxFrames)
    {
        // The input of a frame is in place before its first system runs, as the window's events
        // would be after the pump at the start of the frame.
        input.ApplyFrame(engine.FramesRun());
        if (!engine.RunFrame())
            return;
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
    std::error_code cd;
    if (!options->root.empty())
        std::filesystem::current_path(options->root, cd);
    if (cd)
    {
        std::fprintf(stderr, "vantora-sim: cannot enter '%s': %s\n", options->root.c_str(), cd.message().c_str());
        return 1;
    }

    const auto wallStart = std::chrono::steady_clock::now();
    WindowManager::Instance().SetTitle("Vantora");
    WindowManager::Instance().SetHeadless(true);
    Engine engine;
    if (options->dt)
        engine.GetFrameController().SetFixedDeltaTime(*options->dt);
    engine.SetRandomSeed(options->seed);
    engine.Init();
    StartFirstScreen(*options);
    RunFrames(engine, options->frames, input);

    SimReport report;
    report.frames = engine.FramesRun();
    report.finalState = GameStateManager::Instance().GetGameState();
    report.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    report.race = SimReport::CaptureRace();
    Factory::Instance().DestroyAll();
    if (options->reportPath && !report.Write(*options->reportPath))
        std::fprintf(stderr, "vantora-sim: cannot write report '%s'\n", options->reportPath->c_str());
    std::fflush(stdout);
    return 0;
}
