// Lua sources attached to an object: the input is a script file, attached to an object of the
// scripted scene so its main chunk runs, then called for a few frames. The host's instruction
// budget and memory ceiling stop any script that would hang or hog.
#include "objects/Factory.h"
#include "script/Script.h"
#include "support/FuzzWorld.h"

#include <cstdint>

namespace
{
constexpr int kFrames = 3;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzWorld& world = FuzzWorld::Get();
    world.Write("res/scripts/fuzzed.lua", data, size);
    world.LoadScene();
    GameObject* object = Factory::Instance().CreateObject("Probe");
    if (auto* script = object ? object->Get<Script>(ComponentType::Script) : nullptr)
        script->AttachScript("fuzzed.lua");
    for (int frame = 0; frame < kFrames; ++frame)
        world.RunFrame();
    world.Clear();
    return 0;
}
