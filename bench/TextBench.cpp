// Text at 1280 x 720 on the offscreen driver (llvmpipe here): a frame of 200 screen texts of 20
// characters and 16 labels seen in four views, and the rasterising of an atlas for a new size.
// The frame is finished on the device before the clock stops, so the drawing is in the figure.
#include "core/Engine.h"
#include "core/WindowManager.h"
#include "graphics/GlyphTexture.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/RenderDevice.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "support/AllocationCount.h"
#include "support/QuietStdout.h"
#include "text/FontFace.h"
#include "text/FontSettings.h"
#include "text/TextComponent.h"
#include "text/TextSystem.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace
{

bool DeviceReady()
{
    static const bool ready = Quietly(
        []
        {
            UseOffscreenWindow();
            WindowManager::Instance().Init();
            GraphicsSystem::Instance().Init();
            return GraphicsSystem::Instance().HasDevice();
        });
    return ready;
}

std::vector<ScreenText> ScreenTexts()
{
    std::vector<ScreenText> texts;
    for (int i = 0; i < 200; ++i)
        texts.push_back({"Checkpoint " + std::to_string(1000000 + i) + " ok",
                         -0.9f + 0.009f * static_cast<float>(i),
                         0.9f - 0.009f * static_cast<float>(i),
                         {15, 0, 0, 0},
                         {1, 1, 1, 1}});
    return texts;
}

std::vector<std::unique_ptr<GameObject>> Labels()
{
    std::vector<std::unique_ptr<GameObject>> labels;
    for (int i = 0; i < 16; ++i)
    {
        auto object = std::make_unique<GameObject>("label");
        object->AddComponent(std::make_unique<Transform>());
        object->Get<Transform>(ComponentType::Transform)
            ->SetPosition(
                {static_cast<float>(i % 4) * 2.0f - 3.0f, static_cast<float>(i / 4) - 2.0f, -12.0f, 1});
        auto label = std::make_unique<TextComponent>();
        label->SetText("Racer " + std::to_string(i));
        label->SetVisible(true);
        label->SetInAllViewports(true);
        object->AddComponent(std::move(label));
        object->InitializeComponents();
        labels.push_back(std::move(object));
    }
    return labels;
}

void BM_TextFrame(benchmark::State& state)
{
    if (!DeviceReady())
        return state.SkipWithError("no OpenGL 3.3 device on the offscreen driver");
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    TextSystem& text = TextSystem::Instance();
    const std::vector<ScreenText> screen = ScreenTexts();
    const auto labels = Labels();
    long long allocations = 0;
    for (auto _ : state)
    {
        const long long before = AllocationsSoFar();
        text.BeginTextFrame();
        for (int view = 0; view < 4; ++view)
        {
            graphics.SetPlayerViewport(view, 4);
            text.DrawTexts();
        }
        graphics.SetViewportRect(0, 0, 1280, 720);
        text.DrawScreenTexts(screen);
        allocations = AllocationsSoFar() - before;
        benchmark::DoNotOptimize(graphics.GetDevice()->ReadPixels(1, 1));
    }
    state.counters["glyphs"] = static_cast<double>(text.GlyphsDrawn());
    state.counters["allocations_per_frame"] = static_cast<double>(allocations);
}
BENCHMARK(BM_TextFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same frame with nothing drawn: what finishing a frame on the device costs by itself.
void BM_FinishEmptyFrame(benchmark::State& state)
{
    if (!DeviceReady())
        return state.SkipWithError("no OpenGL 3.3 device on the offscreen driver");
    for (auto _ : state)
        benchmark::DoNotOptimize(GraphicsSystem::Instance().GetDevice()->ReadPixels(1, 1));
}
BENCHMARK(BM_FinishEmptyFrame)->Unit(benchmark::kMillisecond);

// A new size as the game meets it: the atlas made, the first text written into it, and the
// result on the device. `range(1)` characters are written: the countdown's "GO!" or every
// printable ASCII character.
void BM_AtlasForANewSize(benchmark::State& state)
{
    if (!DeviceReady())
        return state.SkipWithError("no OpenGL 3.3 device on the offscreen driver");
    FontFace face;
    if (!face.Load(FontSettings().Path()))
        return state.SkipWithError("no font");
    const int size = static_cast<int>(state.range(0));
    std::string written = "GO!";
    if (state.range(1) > 3)
    {
        written.clear();
        for (char c = 0x20; c < 0x7F; ++c)
            written += c;
    }
    for (auto _ : state)
    {
        const auto atlas = face.BuildAtlas(size * 3 / 2);
        atlas->Measure(written);
        GlyphTexture texture;
        texture.Upload(atlas->Width(), atlas->Height(), atlas->Pixels());
        benchmark::DoNotOptimize(texture.Id());
    }
}
// The HUD's size at 1280 pixels, a label's, and the countdown's.
BENCHMARK(BM_AtlasForANewSize)
    ->Args({16, 3})
    ->Args({32, 3})
    ->Args({129, 3})
    ->Args({16, 95})
    ->Args({129, 95})
    ->Unit(benchmark::kMillisecond);
} // namespace
