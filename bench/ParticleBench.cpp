// Particles: 20,000 live particles in 40 effects of three behaviours each, updated (one core, no
// allocation per frame), and the same pool drawn as sprites in four views at 1280 x 720 on the
// offscreen driver (llvmpipe here), finished on the device before the clock stops.
#include "core/WindowManager.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/RenderDevice.h"
#include "graphics/ViewMatrices.h"
#include "graphics/ViewState.h"
#include "particles/ParticleComponent.h"
#include "particles/ParticleRenderer.h"
#include "support/AllocationCount.h"
#include "support/QuietStdout.h"

#include <benchmark/benchmark.h>

namespace
{
constexpr int kEffects = 40;
constexpr uint32_t kPerEffect = 500;
constexpr float kDt = 1.0f / 60.0f;

// The game's own behaviours: a burst that moves every particle, a colour blended through three
// colours and a size blended to its end, over a lifetime long enough that none dies mid-run.
std::unique_ptr<ParticleEmitter> MakeEffect(int index)
{
    auto effect = std::make_unique<ParticleEmitter>("bench" + std::to_string(index));
    XmlFile file = XmlFile::FromText(
        "<e><bool name=\"m_useCulling\" value=\"0\"/><string name=\"material\" value=\"ps_additive\"/>"
        "<string name=\"texture\" value=\"p_soft\"/><uint name=\"maxParticle\" value=\"500\"/>"
        "<float name=\"spawnRate\" value=\"0\"/>"
        "<Decorator><string name=\"name\" value=\"PointExplosion\"/>"
        "<float name=\"m_velocityMin\" value=\"0.5\"/><float name=\"m_velocityMax\" value=\"2\"/>"
        "<bool name=\"m_randStartVel\" value=\"1\"/></Decorator>"
        "<Decorator><string name=\"name\" value=\"Color\"/><bool name=\"m_lerpColor\" value=\"1\"/>"
        "<bool name=\"m_middleLerp\" value=\"1\"/></Decorator>"
        "<Decorator><string name=\"name\" value=\"Scaler\"/><float name=\"m_scaleStart\" value=\"0.2\"/>"
        "<float name=\"m_scaleEnd\" value=\"0.5\"/><bool name=\"lerpScale\" value=\"1\"/></Decorator></e>");
    effect->Deserialize(file.GetRoot());
    effect->SetDefaultLifetime(100000.0f);
    return effect;
}

/// Forty components of one full effect each, registered with the renderer.
std::vector<std::unique_ptr<ParticleComponent>> MakeComponents()
{
    std::vector<std::unique_ptr<ParticleComponent>> components;
    for (int i = 0; i < kEffects; ++i)
    {
        auto component = std::make_unique<ParticleComponent>();
        component->AddEffect(MakeEffect(i));
        component->Initialize();
        component->SpawnEffectNow("bench" + std::to_string(i));
        components.push_back(std::move(component));
    }
    return components;
}

void BM_UpdateParticles(benchmark::State& state)
{
    std::vector<std::unique_ptr<ParticleEmitter>> effects;
    for (int i = 0; i < kEffects; ++i)
    {
        effects.push_back(MakeEffect(i));
        effects.back()->Spawn(kPerEffect);
    }
    long long allocations = 0;
    for (auto _ : state)
    {
        const long long before = AllocationsSoFar();
        for (const auto& effect : effects)
            effect->Update(kDt);
        allocations = AllocationsSoFar() - before;
    }
    size_t live = 0;
    for (const auto& effect : effects)
        live += effect->Particles().size();
    state.counters["particles"] = static_cast<double>(live);
    state.counters["allocations_per_frame"] = static_cast<double>(allocations);
}
BENCHMARK(BM_UpdateParticles)->Unit(benchmark::kMicrosecond);

bool DeviceReady()
{
    static const bool ready = Quietly(
        []
        {
            UseOffscreenWindow();
            WindowManager::Instance().Init();
            GraphicsSystem::Instance().Init();
            GraphicsSystem::Instance().LoadTexture("p_soft.png");
            return GraphicsSystem::Instance().HasDevice();
        });
    return ready;
}

void BM_DrawParticlesInFourViews(benchmark::State& state)
{
    if (!DeviceReady())
        return state.SkipWithError("no OpenGL 3.3 device on the offscreen driver");
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    ParticleRenderer& renderer = ParticleRenderer::Instance();
    const auto components = MakeComponents();
    ViewState view;
    view.view = ViewMatrices::LookAtRH({0, 0, 30, 1}, {0, 0, 0, 1}, {0, 1, 0, 0});
    view.projection = ViewMatrices::PerspectiveFovRH(ViewMatrices::kFieldOfView, 1280.0f / 720.0f,
                                                     ViewMatrices::kNearPlane, ViewMatrices::kFarPlane);
    if (!graphics.GetDevice()->HasZeroToOneDepth())
        view.projection = ViewMatrices::DepthMinusOneToOne(view.projection);
    const Camera& camera = *graphics.GetDefaultCamera();
    long long allocations = 0;
    for (auto _ : state)
    {
        const long long before = AllocationsSoFar();
        renderer.BeginParticleFrame(*graphics.GetDevice());
        for (int player = 0; player < 4; ++player)
        {
            graphics.SetPlayerViewport(player, 4);
            renderer.DrawParticles(view, camera);
        }
        allocations = AllocationsSoFar() - before;
        benchmark::DoNotOptimize(graphics.GetDevice()->ReadPixels(1, 1));
    }
    state.counters["particles"] = kEffects * kPerEffect;
    state.counters["allocations_per_frame"] = static_cast<double>(allocations);
}
BENCHMARK(BM_DrawParticlesInFourViews)->Unit(benchmark::kMillisecond)->MinTime(2.0);
} // namespace
