// One physics frame over a floor of boxes and oriented boxes with balls rolling on it: the
// broad phase against the all-pairs loop it replaces.
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/PhysicsSystem.h"
#include "physics/RigidBody.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace
{
constexpr float kFrame = 1.0f / 60.0f;
constexpr float kTileSpacing = 2.0f;

/// A square floor of static tiles (every third an oriented box turned a little about y) and
/// dynamic balls with gravity rolling across it. Tiles have no body, as level geometry.
class RollingScene
{
  public:
    RollingScene(int colliders, int balls)
    {
        PhysicsSystem::Instance().Init();
        const int tiles = colliders - balls;
        m_side = static_cast<int>(std::ceil(std::sqrt(static_cast<float>(tiles))));
        for (int i = 0; i < tiles; ++i)
            AddTile(i % m_side, i / m_side, i % 3 == 0);
        for (int i = 0; i < balls; ++i)
            AddBall();
    }

    /// Puts back any ball that rolled off the floor, so every frame costs the same.
    void KeepBallsOnTheFloor()
    {
        const float edge = static_cast<float>(m_side - 1) * kTileSpacing;
        for (size_t i = 0; i < m_balls.size(); ++i)
        {
            const Vector4& p = m_balls[i]->GetPosition();
            if (p.x < 0 || p.z < 0 || p.x > edge || p.z > edge || p.y < -2)
                m_balls[i]->SetPosition(m_starts[i]);
        }
    }

  private:
    GameObject& AddObject(const Vector4& position, const Vector4& scale, VolumeType type, bool dynamic)
    {
        auto object = std::make_unique<GameObject>("bench");
        auto* transform = static_cast<Transform*>(object->AddComponent(std::make_unique<Transform>()));
        transform->SetPosition(position);
        transform->SetScale(scale.x, scale.y, scale.z);
        auto collider = std::make_unique<Collider>();
        collider->SetVolumeType(type);
        collider->SetDynamic(dynamic);
        object->AddComponent(std::move(collider));
        m_objects.push_back(std::move(object));
        return *m_objects.back();
    }

    void AddTile(int column, int row, bool oriented)
    {
        GameObject& tile =
            AddObject({column * kTileSpacing, 0, row * kTileSpacing, 1}, {kTileSpacing, 0.5f, kTileSpacing},
                      oriented ? VolumeType::Obb : VolumeType::Aabb, false);
        if (oriented)
            tile.Get<Transform>(ComponentType::Transform)
                ->SetRotation(Quaternion::FromAxisAngle({0, 1, 0, 0}, 0.2f));
        tile.InitializeComponents();
    }

    void AddBall()
    {
        std::uniform_real_distribution<float> across(0, static_cast<float>(m_side - 1) * kTileSpacing);
        std::uniform_real_distribution<float> speed(-4, 4);
        const Vector4 start{across(m_random), 0.7f, across(m_random), 1};
        GameObject& ball = AddObject(start, {0.5f, 0.5f, 0.5f}, VolumeType::Sphere, true);
        auto* body = static_cast<RigidBody*>(ball.AddComponent(std::make_unique<RigidBody>()));
        body->SetGravityOn(true);
        body->SetVelocity({speed(m_random), 0, speed(m_random), 0});
        ball.InitializeComponents();
        m_balls.push_back(ball.Get<Transform>(ComponentType::Transform));
        m_starts.push_back(start);
    }

    std::vector<std::unique_ptr<GameObject>> m_objects;
    std::vector<Transform*> m_balls;
    std::vector<Vector4> m_starts;
    std::mt19937 m_random{42};
    int m_side = 1;
};

/// Times only Update (two steps); placement and clearing happen outside the clock.
void PhysicsFrame(benchmark::State& state, PhysicsSystem::Detection detection)
{
    RollingScene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    PhysicsSystem& physics = PhysicsSystem::Instance();
    physics.SetDetection(detection);
    size_t contacts = 0;
    for (auto _ : state)
    {
        scene.KeepBallsOnTheFloor();
        physics.PreUpdate();
        const auto start = std::chrono::steady_clock::now();
        physics.Update(kFrame);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        contacts += physics.GetContacts().size();
        physics.PostUpdate();
    }
    state.counters["contacts"] =
        benchmark::Counter(static_cast<double>(contacts), benchmark::Counter::kAvgIterations);
}

/// The whole frame, placement of every collider and clearing included.
void PhysicsWholeFrame(benchmark::State& state)
{
    RollingScene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    PhysicsSystem& physics = PhysicsSystem::Instance();
    physics.SetDetection(PhysicsSystem::Detection::BroadPhase);
    for (auto _ : state)
    {
        scene.KeepBallsOnTheFloor();
        physics.PreUpdate();
        physics.Update(kFrame);
        physics.PostUpdate();
    }
}

void Scenes(benchmark::internal::Benchmark* bench)
{
    bench->Args({100, 4})->Args({1000, 16})->Args({5000, 64});
}
} // namespace

BENCHMARK_CAPTURE(PhysicsFrame, BroadPhase, PhysicsSystem::Detection::BroadPhase)
    ->Apply(Scenes)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PhysicsFrame, AllPairs, PhysicsSystem::Detection::AllPairs)
    ->Apply(Scenes)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(PhysicsWholeFrame)->Apply(Scenes)->Unit(benchmark::kMicrosecond);
