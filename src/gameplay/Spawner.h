#pragma once

#include "math/Vector4.h"
#include "objects/Component.h"
#include "text/Timer.h"

#include <string>
#include <vector>

/// Creates objects from archetypes at its object's position on a timer: power-up boxes, hazards.
class Spawner final : public Component
{
  public:
    Spawner();
    ~Spawner() override;

    /// Spawns as the timer would: one random archetype, the next in turn, or every one.
    void SpawnNow();
    void SetSpeed(float speed) { m_spawnSpeed = speed; }
    void SetDirection(const Vector4& direction) { m_spawnDirection = direction; }
    float GetSpawnRate() const { return m_spawnRate; }
    int GetLastSpawned() const { return m_lastSpawned; }
    /// Called by a spawned object's life when it dies, so a waiting spawner may spawn again.
    void ClearLastSpawned() { m_lastSpawned = -1; }
    /// Adds an archetype name unless it is already listed.
    void AddToSpawnList(const std::string& archetype);
    const std::vector<std::string>& SpawnList() const { return m_spawnList; }

    void Initialize() override;
    bool Update() override;
    /// Every setting by name and the archetypes under "SpawnList"; reading or cloning restarts
    /// the timer, and a clone has spawned nothing yet.
    const ComponentFields* Fields() const override;

  private:
    void SpawnArchetype(size_t index);
    void RestartTimer();

    float m_spawnRate = 0.0f;
    bool m_random = false;
    bool m_walking = false;
    float m_spawnedLifeTime = -1.0f;
    bool m_waitToSpawn = true;
    Vector4 m_spawnDirection{1, 0, 0, 0};
    float m_spawnSpeed = 0.0f;
    std::vector<std::string> m_spawnList;
    int m_lastSpawned = -1;
    size_t m_walkIndex = 0;
    Timer m_timer;
    bool m_registered = false;
};
