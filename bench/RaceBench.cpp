// A four-racer race on watertrack without rendering: simulated frames per second.
#include "core/Engine.h"
#include "gameplay/CheckPointSystem.h"
#include "gameplay/Controller.h"
#include "objects/Logic.h"
#include "states/GameStateManager.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace
{
Engine& RaceEngine()
{
    static Engine* engine = []
    {
        std::filesystem::current_path(VANTORA_SOURCE_DIR);
        // The start-up lines would drown the figures: send them to /dev/null while the race loads.
        std::fflush(stdout);
        const int saved = dup(1);
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, 1);
        auto* e = new Engine;
        e->GetFrameController().SetFixedDeltaTime(1.0f / 60.0f);
        e->SetRandomSeed(1u);
        e->Init();
        GameStateManager::Instance().RequestPush(4);
        e->RunFrame();
        CheckPointSystem::Instance().SetLapAmount(1000); // long enough never to end while measured
        for (Component* c : Logic::Instance().Controllers())
            static_cast<Controller*>(c)->SetPlayerState(0);
        std::fflush(stdout);
        dup2(saved, 1);
        close(devNull);
        close(saved);
        return e;
    }();
    return *engine;
}

void BM_RaceFrame(benchmark::State& state)
{
    Engine& engine = RaceEngine();
    for (auto _ : state)
        engine.RunFrame();
    state.counters["frames_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RaceFrame)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(2.0)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
} // namespace
