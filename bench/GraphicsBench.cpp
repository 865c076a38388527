// The watertrack race rendered at 1280 x 720 on the offscreen driver (llvmpipe here): frames per
// second with four split-screen views and with one, the draw calls of a frame, and the cost of
// drawing alone. The figures are what the targets are checked against.
#include "core/Engine.h"
#include "core/WindowManager.h"
#include "gameplay/CheckPointSystem.h"
#include "gameplay/Controller.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "objects/Logic.h"
#include "states/GameStateManager.h"
#include "support/QuietStdout.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace
{
// Frames run before measuring, so the racers are out of the grid and spread along the track.
constexpr int kWarmUpFrames = 400;

Engine* RaceEngine()
{
    static Engine* engine = Quietly(
        []
        {
            UseOffscreenWindow();
            auto* e = new Engine;
            e->GetFrameController().SetFixedDeltaTime(1.0f / 60.0f);
            e->SetRandomSeed(1u);
            e->Init();
            GameStateManager::Instance().RequestPush(4);
            e->RunFrame();
            CheckPointSystem::Instance().SetLapAmount(1000); // never ends while measured
            for (Component* c : Logic::Instance().Controllers())
                static_cast<Controller*>(c)->SetPlayerState(0);
            for (int i = 0; i < kWarmUpFrames; ++i)
                e->RunFrame();
            return GraphicsSystem::Instance().HasDevice() ? e : nullptr;
        });
    return engine;
}

// Four views: one per racer camera. One view: the first racer's camera over the whole window.
void ChooseViews(int views)
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    graphics.SetSplitScreen(views == 4);
    if (views == 1 && !graphics.Cameras().empty())
        graphics.SetActiveCamera(graphics.Cameras().front());
}

void Report(benchmark::State& state)
{
    state.counters["frames_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["draw_calls"] = GraphicsSystem::Instance().GetDrawCallCount();
}

void BM_RaceFrame(benchmark::State& state)
{
    Engine* engine = RaceEngine();
    if (!engine)
        return state.SkipWithError("no OpenGL 3.3 device on the offscreen driver");
    ChooseViews(static_cast<int>(state.range(0)));
    for (auto _ : state)
        engine->RunFrame();
    Report(state);
}
BENCHMARK(BM_RaceFrame)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3.0)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// Drawing alone: the race stands still and the same frame is drawn again and again, so four
// views and one compare over the same scene.
void BM_DrawFrame(benchmark::State& state)
{
    if (!RaceEngine())
        return state.SkipWithError("no OpenGL 3.3 device on the offscreen driver");
    ChooseViews(static_cast<int>(state.range(0)));
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    for (auto _ : state)
        graphics.PostUpdate();
    Report(state);
}
BENCHMARK(BM_DrawFrame)
    ->Arg(4)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3.0)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
} // namespace
