#include "gameplay/Spawner.h"
#include "objects/Factory.h"
#include "objects/Transform.h"
#include "script/Script.h"
#include "script/ScriptArgs.h"
#include "script/ScriptLibrary.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace
{
using A = ScriptArgs;

Spawner* SpawnerAt(lua_State* lua)
{
    return A::Find<Spawner>(lua, 1, ComponentType::Spawner);
}

GameObject* FindById(int id)
{
    return id < 0 ? nullptr : Factory::Instance().FindObject(static_cast<unsigned>(id));
}

int SpawnNow(lua_State* lua)
{
    Spawner* spawner = SpawnerAt(lua);
    if (!spawner)
        return 0;
    // The count argument is accepted for old scripts; a spawn happens as the timer would do it.
    spawner->SpawnNow();
    return A::PushObject(lua, FindById(spawner->GetLastSpawned()));
}

int GetSpawnerID(lua_State* lua)
{
    const GameObject* object = A::Object(lua, 1);
    return object ? A::PushNumber(lua, object->GetSpawnerID()) : 0;
}

int GetRootSpawnerID(lua_State* lua)
{
    const GameObject* object = A::Object(lua, 1);
    if (!object)
        return 0;
    const GameObject* root = FindById(object->GetSpawnerID());
    if (!root)
        return A::PushNumber(lua, -1);
    // Bounded by the number of objects, so spawner ids that loop cannot hang the walk.
    size_t steps = Factory::Instance().GetObjectList(0).size();
    while (root->GetSpawnerID() != -1 && steps-- > 0)
    {
        const GameObject* parent = FindById(root->GetSpawnerID());
        if (!parent)
            break;
        root = parent;
    }
    return A::PushUnsigned(lua, root->GetID());
}

int SetSpawnScript(lua_State* lua)
{
    if (auto* script = A::Find<Script>(lua, 1, ComponentType::Script))
        script->AttachScript(A::String(lua, 2));
    return 0;
}

int GetSpawnerSpawnRate(lua_State* lua)
{
    const Spawner* spawner = SpawnerAt(lua);
    return spawner ? A::PushNumber(lua, spawner->GetSpawnRate()) : 0;
}

int SetSpawnerVel(lua_State* lua)
{
    if (Spawner* spawner = SpawnerAt(lua))
        spawner->SetSpeed(A::Number(lua, 2));
    return 0;
}

int SetSpawnerDir(lua_State* lua)
{
    if (Spawner* spawner = SpawnerAt(lua))
        spawner->SetDirection(A::Direction(lua, 2));
    return 0;
}

// Scripts create objects as the game runs (power-ups, bursts); a script that creates them every
// frame without end must not drown the game, so there is a ceiling on those alive at once.
constexpr size_t kMostScriptObjects = 256;

/// The ids of the objects scripts created that may still be alive.
std::vector<unsigned>& ScriptObjects()
{
    static std::vector<unsigned> ids;
    return ids;
}

bool RoomForAnother()
{
    std::vector<unsigned>& ids = ScriptObjects();
    const Factory& factory = Factory::Instance();
    std::erase_if(ids, [&factory](unsigned id) { return factory.FindObject(id) == nullptr; });
    static bool told = false;
    if (ids.size() < kMostScriptObjects)
        told = false;
    else if (!told)
    {
        std::printf("SpawnArchetype: %zu script-made objects are alive; no more until some are gone\n",
                    ids.size());
        told = true;
    }
    return !told;
}

void TellUnknownOnce(const std::string& name)
{
    static std::set<std::string> told;
    if (told.insert(name).second)
        std::printf("SpawnArchetype: there is no archetype '%s'\n", name.c_str());
}

int SpawnArchetype(lua_State* lua)
{
    const std::string name = A::String(lua, 1);
    const Vector4 position{A::Number(lua, 2), A::Number(lua, 3), A::Number(lua, 4), 1.0f};
    if (!RoomForAnother())
        return A::PushObject(lua, nullptr);
    GameObject* object = Factory::Instance().CreateObject(name);
    if (!object)
    {
        TellUnknownOnce(name);
        return A::PushObject(lua, nullptr);
    }
    if (auto* transform = object->Get<Transform>(ComponentType::Transform))
        transform->SetPosition(position);
    ScriptObjects().push_back(object->GetID());
    return A::PushObject(lua, object);
}

constexpr std::array kFunctions{
    ScriptFunction{"SpawnNow", SpawnNow},
    ScriptFunction{"GetSpawnerID", GetSpawnerID},
    ScriptFunction{"GetRootSpawnerID", GetRootSpawnerID},
    ScriptFunction{"SetSpawnScript", SetSpawnScript},
    ScriptFunction{"GetSpawnerSpawnRate", GetSpawnerSpawnRate},
    ScriptFunction{"SetSpawnerVel", SetSpawnerVel},
    ScriptFunction{"SetSpawnerDir", SetSpawnerDir},
    ScriptFunction{"SpawnArchetype", SpawnArchetype},
};
} // namespace

std::span<const ScriptFunction> SpawnerFunctions()
{
    return kFunctions;
}
