#include "gameplay/Spawner.h"

#include "core/TweakBar.h"
#include "gameplay/LifeComponent.h"
#include "math/GameConstants.h"
#include "math/Random.h"
#include "objects/Factory.h"
#include "objects/FieldList.h"
#include "objects/Logic.h"
#include "objects/Transform.h"
#include "physics/RigidBody.h"

#include <algorithm>
#include <cmath>

namespace
{
} // namespace

Spawner::Spawner() : Component(ComponentType::Spawner)
{
    RestartTimer();
}

Spawner::~Spawner()
{
    if (m_registered)
        Logic::Instance().UnregisterSpawner(this);
}

void Spawner::RestartTimer()
{
    m_timer.SetDuration(m_spawnRate);
    m_timer.Resume();
}

void Spawner::AddToSpawnList(const std::string& archetype)
{
    if (std::find(m_spawnList.begin(), m_spawnList.end(), archetype) == m_spawnList.end())
        m_spawnList.push_back(archetype);
}

void Spawner::Initialize()
{
    Logic::Instance().RegisterSpawner(this);
    m_registered = true;
}

bool Spawner::Update()
{
    if (std::fabs(m_spawnRate) < kEpsilon || (m_waitToSpawn && m_lastSpawned != -1))
        return true;
    m_timer.Update();
    if (m_timer.IsFinished())
    {
        SpawnNow();
        RestartTimer();
    }
    return true;
}

void Spawner::SpawnNow()
{
    if (m_spawnList.empty())
        return;
    if (m_random)
        SpawnArchetype(static_cast<size_t>(RandomInt(0, static_cast<int>(m_spawnList.size()) - 1)));
    else if (m_walking)
    {
        SpawnArchetype(m_walkIndex);
        m_walkIndex = (m_walkIndex + 1) % m_spawnList.size();
    }
    else
        for (size_t i = 0; i < m_spawnList.size(); ++i)
            SpawnArchetype(i);
}

void Spawner::SpawnArchetype(size_t index)
{
    GameObject* owner = GetOwner();
    if (!owner || index >= m_spawnList.size())
        return;
    const auto* here = owner->Get<Transform>(ComponentType::Transform);
    GameObject* spawned = Factory::Instance().CreateObject(m_spawnList[index]);
    if (!spawned)
        return;
    if (auto* transform = spawned->Get<Transform>(ComponentType::Transform); transform && here)
        transform->SetPosition(here->GetPosition());
    if (m_spawnedLifeTime > kEpsilon)
        if (auto* life = spawned->Get<LifeComponent>(ComponentType::LifeComponent))
            life->SetLifeTime(m_spawnedLifeTime);
    if (auto* body = spawned->Get<RigidBody>(ComponentType::RigidBody))
        body->SetVelocity(m_spawnDirection * m_spawnSpeed);
    spawned->SetSpawnerID(static_cast<int>(owner->GetID()));
    m_lastSpawned = static_cast<int>(spawned->GetID());
}

const ComponentFields* Spawner::Fields() const
{
    static const ComponentFieldList<Spawner> fields = []
    {
        ComponentFieldList<Spawner> list(ComponentType::Spawner);
        list.Add("SpawnRate", &Spawner::m_spawnRate).Panel("SpawnRate");
        list.Add("SpawnRandom", &Spawner::m_random).Panel("SpawnRandom");
        list.Add("SpawnWalking", &Spawner::m_walking).Panel("SpawnWalking");
        list.Add("spawnedObjLifeTime", &Spawner::m_spawnedLifeTime).Panel("spawnedObjLifeTime");
        list.Add("waitToSpawn", &Spawner::m_waitToSpawn).Panel("waitToSpawn");
        list.Add("spawnDir", &Spawner::m_spawnDirection).Panel("spawnDir", TweakType::Vector3);
        list.Add("spawnVel", &Spawner::m_spawnSpeed).Panel("spawnVel");
        // A scene's list adds to its archetype's.
        list.AddList<std::string>("archetype", &Spawner::SpawnList, &Spawner::AddToSpawnList)
            .Container("SpawnList");
        const auto restart = [](Spawner& spawner) { spawner.RestartTimer(); };
        return list.AfterRead(restart).AfterClone([restart](const Spawner&, Spawner& copy)
                                                  { restart(copy); });
    }();
    return &fields;
}
