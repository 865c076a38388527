// Archetype and scene files through the Factory: the input is written as an archetype and as a
// scene of the private tree, each loaded the way the game loads it and run for two frames.
#include "objects/Factory.h"
#include "support/FuzzWorld.h"

#include <cstdint>

namespace
{
void LoadAsArchetype(const FuzzWorld& world, const uint8_t* data, size_t size)
{
    world.Write("res/archetype/fuzzed.xml", data, size);
    Factory& factory = Factory::Instance();
    std::unique_ptr<GameObject> archetype = factory.LoadArchetype("fuzzed");
    if (!archetype)
        return;
    // As CreateObject does with a stored archetype, without replacing one the scene needs.
    std::unique_ptr<GameObject> object = factory.CreateEmptyObject(archetype->GetName());
    object->CloneComponentsFrom(*archetype);
    object->InitializeComponents();
    world.RunFrame();
    world.RunFrame();
}

void LoadAsScene(const FuzzWorld& world, const uint8_t* data, size_t size)
{
    world.Write("res/scene/fuzzed.xml", data, size);
    Factory::Instance().LoadScene("fuzzed");
    world.RunFrame();
    world.RunFrame();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzWorld& world = FuzzWorld::Get();
    LoadAsArchetype(world, data, size);
    world.Clear();
    LoadAsScene(world, data, size);
    world.Clear();
    return 0;
}
