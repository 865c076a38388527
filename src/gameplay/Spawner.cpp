#include "gameplay/Spawner.h"

#include "core/TweakBar.h"
#include "gameplay/LifeComponent.h"
#include "math/GameConstants.h"
#include "math/Random.h"
#include "objects/Factory.h"
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

std::unique_ptr<Component> Spawner::Clone() const
{
    auto copy = std::make_unique<Spawner>();
    copy->m_spawnRate = m_spawnRate;
    copy->m_random = m_random;
    copy->m_walking = m_walking;
    copy->m_spawnedLifeTime = m_spawnedLifeTime;
    copy->m_waitToSpawn = m_waitToSpawn;
    copy->m_spawnDirection = m_spawnDirection;
    copy->m_spawnSpeed = m_spawnSpeed;
    copy->m_spawnList = m_spawnList;
    copy->RestartTimer();
    return copy;
}

void Spawner::Deserialize(XmlFile& /*file*/, const XmlElement* element)
{
    XmlFile::ReadValue(m_spawnRate, XmlFile::FindChildElement(element, "float", "SpawnRate"));
    XmlFile::ReadValue(m_random, XmlFile::FindChildElement(element, "bool", "SpawnRandom"));
    XmlFile::ReadValue(m_walking, XmlFile::FindChildElement(element, "bool", "SpawnWalking"));
    XmlFile::ReadValue(m_spawnedLifeTime, XmlFile::FindChildElement(element, "float", "spawnedObjLifeTime"));
    XmlFile::ReadValue(m_waitToSpawn, XmlFile::FindChildElement(element, "bool", "waitToSpawn"));
    XmlFile::ReadValue(m_spawnSpeed, XmlFile::FindChildElement(element, "float", "spawnVel"));
    if (const XmlElement* dir = XmlFile::FindChildElement(element, "Vector4", "spawnDir"))
        XmlFile::ReadValue(m_spawnDirection, dir);
    const XmlElement* list = XmlFile::FindChildElement(element, "SpawnList");
    for (const XmlElement* entry = list ? list->FirstChildElement() : nullptr; entry; entry = entry->NextSiblingElement())
        if (const char* name = entry->Attribute("value"))
            AddToSpawnList(name);
    RestartTimer();
}

void Spawner::Serialize(XmlFile& file, XmlElement* parent, bool /*instanceOnly*/) const
{
    XmlElement* element = file.AddChildElement(parent, GetTypeName());
    file.WriteValue(element, m_spawnRate, "SpawnRate");
    file.WriteValue(element, m_random, "SpawnRandom");
    file.WriteValue(element, m_walking, "SpawnWalking");
    file.WriteValue(element, m_spawnedLifeTime, "spawnedObjLifeTime");
    file.WriteValue(element, m_waitToSpawn, "waitToSpawn");
    file.WriteValue(element, m_spawnDirection, "spawnDir");
    file.WriteValue(element, m_spawnSpeed, "spawnVel");
    XmlElement* list = file.AddChildElement(element, "SpawnList");
    for (const std::string& name : m_spawnList)
        file.WriteValue(list, name, "archetype");
}

void Spawner::AddToTweakBar(TweakBar& bar, bool /*instanceOnly*/)
{
    const std::string group = TweakBar::GroupDefinition(GetTypeName());
    bar.AddVarRW("SpawnRate", TweakType::Float, &m_spawnRate, group);
    bar.AddVarRW("SpawnRandom", TweakType::Bool, &m_random, group);
    bar.AddVarRW("SpawnWalking", TweakType::Bool, &m_walking, group);
    bar.AddVarRW("spawnedObjLifeTime", TweakType::Float, &m_spawnedLifeTime, group);
    bar.AddVarRW("waitToSpawn", TweakType::Bool, &m_waitToSpawn, group);
    bar.AddVarRW("spawnDir", TweakType::Vector3, &m_spawnDirection, group);
    bar.AddVarRW("spawnVel", TweakType::Float, &m_spawnSpeed, group);
}
