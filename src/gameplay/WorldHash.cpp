#include "gameplay/WorldHash.h"

#include "core/StateHash.h"
#include "gameplay/CheckPointSystem.h"
#include "gameplay/Controller.h"
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "objects/Transform.h"
#include "physics/RigidBody.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace
{
void AddVector(StateHash& hash, const Vector4& v)
{
    hash.AddFloat(v.x);
    hash.AddFloat(v.y);
    hash.AddFloat(v.z);
    hash.AddFloat(v.w);
}

void AddQuaternion(StateHash& hash, const Quaternion& q)
{
    hash.AddFloat(q.x);
    hash.AddFloat(q.y);
    hash.AddFloat(q.z);
    hash.AddFloat(q.w);
}

/// Live objects of every list, lowest id first.
std::vector<const GameObject*> LiveObjectsById()
{
    std::vector<std::pair<unsigned, const GameObject*>> found;
    for (int list = 0; list < Factory::kListCount; ++list)
        for (const auto& [id, object] : Factory::Instance().GetObjectList(list))
            if (object && !object->IsDead())
                found.emplace_back(id, object.get());
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<const GameObject*> objects;
    for (const auto& entry : found)
        objects.push_back(entry.second);
    return objects;
}

void AddObject(StateHash& hash, const GameObject& object)
{
    hash.AddInt(object.GetID());
    if (const auto* transform = object.Get<Transform>(ComponentType::Transform))
    {
        AddVector(hash, transform->GetPosition());
        AddVector(hash, transform->GetScale());
        AddQuaternion(hash, transform->GetRotation());
    }
    if (const auto* body = object.Get<RigidBody>(ComponentType::RigidBody))
    {
        AddVector(hash, body->GetVelocity());
        AddVector(hash, body->GetAngularVelocity());
    }
}

void AddRace(StateHash& hash)
{
    const CheckPointSystem& race = CheckPointSystem::Instance();
    hash.AddInt(race.GetLapsToRun());
    hash.AddInt(race.IsRaceOver());
    for (int player = 0; player < 4; ++player)
    {
        hash.AddInt(race.GetLapsDone(player));
        hash.AddInt(race.GetFinishPlace(player));
        hash.AddInt(race.GetPlace(player));
        // Counted from the race's start: a race replayed after other screens ends on another
        // engine frame, but on the same frame of the race.
        const long long finish = race.GetFinishFrame(player);
        hash.AddInt(finish < 0 ? -1 : finish - race.GetRaceStartFrame());
    }
}

void AddControllers(StateHash& hash)
{
    // The driver's list is not kept in order (removal swaps), so the racers go by player index.
    std::vector<const Controller*> controllers;
    for (const Component* component : Logic::Instance().Controllers())
        controllers.push_back(static_cast<const Controller*>(component));
    std::stable_sort(controllers.begin(), controllers.end(),
                     [](const Controller* a, const Controller* b)
                     { return a->GetPlayerIndex() < b->GetPlayerIndex(); });
    for (const Controller* controller : controllers)
    {
        hash.AddInt(controller->GetPlayerIndex());
        hash.AddInt(controller->GetPowerLevel());
        hash.AddInt(controller->GetPower());
        hash.AddInt(controller->GetElement());
        hash.AddInt(controller->GetPlayerState());
    }
}
} // namespace

uint64_t WorldHash::Compute()
{
    StateHash hash;
    for (const GameObject* object : LiveObjectsById())
        AddObject(hash, *object);
    AddRace(hash);
    AddControllers(hash);
    return hash.Value();
}
