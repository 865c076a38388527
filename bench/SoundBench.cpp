// The cost of sound on the main thread: one play of a short effect, and start-up with the whole
// bank decoded. The shipped bank when there is one, else the tests' tiny bank; SDL's dummy audio
// driver, so a real mixer runs without speakers.
#include "sound/SoundSystem.h"
#include "support/QuietStdout.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

namespace
{
std::string BankPath()
{
    const std::string shipped = std::string(VANTORA_SOURCE_DIR) + "/res/audio/bank.xml";
    if (std::filesystem::exists(shipped))
        return shipped;
    return std::string(VANTORA_SOURCE_DIR) + "/tests/fixtures/audio/bank.xml";
}

SoundSystem& StartedSound()
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    SoundSystem& sound = SoundSystem::Instance();
    Quietly(
        [&]
        {
            sound.Start(BankPath());
            return 0;
        });
    return sound;
}

void BM_PlayShortEffect(benchmark::State& state)
{
    SoundSystem& sound = StartedSound();
    for (auto _ : state)
        sound.Play("SFX/PlayerJump");
    state.counters["device"] = sound.HasDevice() ? 1 : 0;
    sound.Shutdown();
}
BENCHMARK(BM_PlayShortEffect)->Unit(benchmark::kMicrosecond);

void BM_StartUpWithTheWholeBank(benchmark::State& state)
{
    for (auto _ : state)
    {
        SoundSystem& sound = StartedSound();
        benchmark::DoNotOptimize(sound.GetBank().Events().size());
        sound.Shutdown();
    }
}
BENCHMARK(BM_StartUpWithTheWholeBank)->Unit(benchmark::kMillisecond)->Iterations(5);
} // namespace
