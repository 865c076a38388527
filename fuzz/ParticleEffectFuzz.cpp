// Particle effect files (res/particleeffects/): the input is loaded as an effect of an object,
// burst, recoloured, run for a few frames and written back out.
#include "objects/Factory.h"
#include "particles/ParticleComponent.h"
#include "particles/ParticleEmitter.h"
#include "support/FuzzWorld.h"

#include <cstdint>

namespace
{
constexpr int kFrames = 4;

void Exercise(ParticleComponent& particles)
{
    if (!particles.LoadEffect("fuzzed"))
        return;
    particles.SpawnEffectNow("fuzzed");
    particles.ChangeEffectColor("fuzzed", {1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 0});
    for (int frame = 0; frame < kFrames; ++frame)
        particles.Update();
    XmlFile file;
    particles.FindEffect("fuzzed")->Serialize(file, file.CreateRoot("ParticleEffect"));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzWorld& world = FuzzWorld::Get();
    world.Write("res/particleeffects/fuzzed.xml", data, size);
    GameObject* object = Factory::Instance().CreateObject("Sparkler");
    if (auto* particles = object ? object->Get<ParticleComponent>(ComponentType::ParticleComponent) : nullptr)
        Exercise(*particles);
    world.Clear();
    return 0;
}
