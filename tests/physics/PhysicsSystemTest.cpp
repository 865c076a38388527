#include "PhysicsWorld.h"

#include "graphics/GraphicsSystem.h"
#include "objects/Logic.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace
{
constexpr float kStep = 0.016f;
constexpr float kFrame = 1.0f / 60.0f;

PhysicsSystem& Physics()
{
    return PhysicsSystem::Instance();
}

/// A component that counts the updates the physics system gives it.
class CountingSpin final : public Component
{
  public:
    bool Update() override
    {
        ++updates;
        return true;
    }
    int updates = 0;
};

/// A dynamic ball of radius 0.5 resting with restitution 0 on a static unit box at the origin.
struct BallOnBox
{
    explicit BallOnBox(PhysicsWorld& world, float height, const Vector4& velocity)
        : box(world.Add(VolumeType::Aabb, {0, 0, 0}, {1, 1, 1}, false)),
          ball(world.Add(VolumeType::Sphere, {0, height, 0}, {0.5f, 0.5f, 0.5f}))
    {
        BodyOf(box).SetStatic(true);
        BodyOf(box).SetRestitution(0);
        BodyOf(ball).SetRestitution(0);
        BodyOf(ball).SetVelocity(velocity);
    }
    GameObject& box;
    GameObject& ball;
};
} // namespace

TEST(PhysicsSystem, GravityAddsItsShareEveryStepTwoStepsPerFrame)
{
    PhysicsWorld world;
    GameObject& ball = world.Add(VolumeType::Sphere, {0, 10, 0});
    BodyOf(ball).SetGravityOn(true);
    PhysicsWorld::Frame(kFrame);
    EXPECT_NEAR(BodyOf(ball).GetVelocity().y, -9.8f * kStep * 2, 1e-6);
    // Semi-implicit Euler: the first step moves by one share, the second by two.
    EXPECT_NEAR(TransformOf(ball).GetPosition().y, 10 - 9.8f * kStep * kStep * 3, 1e-5);
}

TEST(PhysicsSystem, FrameTimeDecidesTheStepCount)
{
    PhysicsWorld world;
    GameObject& ball = world.Add(VolumeType::Sphere, {0, 0, 0});
    BodyOf(ball).SetGravityOn(true);
    CountingSpin spin;
    Physics().AddSpin(&spin);

    const auto steps = [&](float frameTime)
    {
        BodyOf(ball).SetVelocity({});
        Physics().Update(frameTime);
        return static_cast<int>(std::lround(BodyOf(ball).GetVelocity().y / (-9.8f * kStep)));
    };
    EXPECT_EQ(steps(0.5f), 7); // cut to 0.1 s
    EXPECT_EQ(steps(0.1f), 7);
    EXPECT_EQ(steps(kStep), 1);
    EXPECT_EQ(steps(0.02f), 2); // rounded up, nothing carried over
    EXPECT_EQ(steps(0.0f), 0);
    EXPECT_EQ(spin.updates, 5); // spins run even without a step
    Physics().RemoveSpin(&spin);
    Physics().Update(kFrame);
    EXPECT_EQ(spin.updates, 5);
}

TEST(PhysicsSystem, NothingIsDetectedWithOneColliderOrTwoStaticOnes)
{
    PhysicsWorld world;
    GameObject& a = world.Add(VolumeType::Sphere, {0, 0, 0});
    PhysicsWorld::Frame(kFrame);
    EXPECT_TRUE(Physics().GetContacts().empty());

    ColliderOf(a).SetDynamic(false);
    GameObject& b = world.Add(VolumeType::Sphere, {0, 0, 0}, {1, 1, 1}, false);
    PhysicsWorld::Frame(kFrame);
    EXPECT_TRUE(Physics().GetContacts().empty());
    EXPECT_TRUE(ColliderOf(b).GetTouchedList().empty());
}

TEST(PhysicsSystem, HeadOnSpheresBounceWithTheSmallerRestitution)
{
    PhysicsWorld world;
    GameObject& a = world.Add(VolumeType::Sphere, {-0.5f, 0, 0}, {0.5f, 0.5f, 0.5f});
    GameObject& b = world.Add(VolumeType::Sphere, {0.5f, 0, 0}, {0.5f, 0.5f, 0.5f});
    BodyOf(a).SetRestitution(0.5f);
    BodyOf(b).SetRestitution(1.0f);
    BodyOf(a).SetVelocity({1, 0, 0, 0});
    BodyOf(b).SetVelocity({-1, 0, 0, 0});
    PhysicsWorld::Frame(kStep);
    ASSERT_EQ(Physics().GetContacts().size(), 1u);
    EXPECT_FLOAT_EQ(Physics().GetContacts()[0].restitution, 0.5f);
    EXPECT_FLOAT_EQ(BodyOf(a).GetVelocity().x, -0.5f);
    EXPECT_FLOAT_EQ(BodyOf(b).GetVelocity().x, 0.5f);
    EXPECT_FLOAT_EQ(TransformOf(a).GetPosition().x, -0.5f + kStep); // touching: no correction
}

TEST(PhysicsSystem, ContactsOfTheFrameAreFoundAndResolvedByEveryStep)
{
    PhysicsWorld world;
    GameObject& a = world.Add(VolumeType::Sphere, {-0.5f, 0, 0}, {0.5f, 0.5f, 0.5f});
    GameObject& b = world.Add(VolumeType::Sphere, {0.5f, 0, 0}, {0.5f, 0.5f, 0.5f});
    BodyOf(a).SetVelocity({1, 0, 0, 0});
    BodyOf(b).SetVelocity({-1, 0, 0, 0});
    PhysicsWorld::Frame(kFrame);
    // Centres stay where PreUpdate put them, so the second step finds the pair again.
    EXPECT_EQ(Physics().GetContacts().size(), 2u);
    EXPECT_EQ(ColliderOf(a).GetTouchedList().size(), 2u);
    EXPECT_EQ(ColliderOf(b).GetTouchedList(), (std::vector<Collider*>{&ColliderOf(a), &ColliderOf(a)}));
    // Step one: 1 -> -0.5. Step two resolves both stored contacts; the first of them separates.
    EXPECT_FLOAT_EQ(BodyOf(a).GetVelocity().x, -0.5f);
    Physics().PostUpdate();
    EXPECT_TRUE(Physics().GetContacts().empty());
    EXPECT_TRUE(ColliderOf(a).GetTouchedList().empty());
}

TEST(PhysicsSystem, FrictionSlowsASlideAndStopsACreep)
{
    PhysicsWorld world;
    BallOnBox sliding(world, 0.9f, {2, -1, 0, 0});
    BallOnBox creeping(world, 0.985f, {0.01f, -1, 0, 0});
    TransformOf(creeping.box).SetPosition(10, 0, 0);
    TransformOf(creeping.ball).SetPosition(10, 0.985f, 0);
    PhysicsWorld::Frame(kStep);
    // Normal impulse 1 stops the fall; sliding friction 0.2 * 1 takes 0.2 off the speed.
    EXPECT_NEAR(BodyOf(sliding.ball).GetVelocity().x, 1.8f, 1e-6);
    EXPECT_NEAR(BodyOf(sliding.ball).GetVelocity().y, 0.0f, 1e-6);
    // Below 0.1 * j the static friction takes all of the tangential speed.
    EXPECT_NEAR(BodyOf(creeping.ball).GetVelocity().x, 0.0f, 1e-6);

    // Penetration 0.1: a quarter of what exceeds the 0.02 slop, all of it on the ball.
    EXPECT_NEAR(TransformOf(sliding.ball).GetPosition().y, 0.9f - kStep + 0.02f, 1e-6);
    EXPECT_EQ(TransformOf(sliding.box).GetPosition(), (Vector4{0, 0, 0, 1}));
    // Penetration 0.015 is inside the slop: the ball only moves by its own velocity.
    EXPECT_NEAR(TransformOf(creeping.ball).GetPosition().y, 0.985f - kStep, 1e-6);
}

TEST(PhysicsSystem, EqualMassesShareTheCorrection)
{
    PhysicsWorld world;
    GameObject& a = world.Add(VolumeType::Aabb, {0, 0, 0});
    GameObject& b = world.Add(VolumeType::Aabb, {0.5f, 0, 0});
    PhysicsWorld::Frame(kStep);
    const float shift = (0.5f - 0.02f) / 2 * 0.25f; // depth / (1 + 1) * 0.25, times each inverse mass
    EXPECT_NEAR(TransformOf(a).GetPosition().x, -shift, 1e-6);
    EXPECT_NEAR(TransformOf(b).GetPosition().x, 0.5f + shift, 1e-6);
}

TEST(PhysicsSystem, CategoryFilteredPairsAreTouchedButNotPushed)
{
    PhysicsWorld world;
    GameObject& player = world.Add(VolumeType::Sphere, {0, 0, 0});
    GameObject& gate = world.Add(VolumeType::Aabb, {0.5f, 0, 0}, {2, 2, 2}, false);
    ColliderOf(player).SetCategory("P1");
    ColliderOf(player).SetRespondsTo("CheckPoint", false);
    ColliderOf(gate).SetCategory("CheckPoint");
    BodyOf(player).SetVelocity({3, 0, 0, 0});
    PhysicsWorld::Frame(kFrame);
    EXPECT_TRUE(ColliderOf(gate).HasTouched(&ColliderOf(player)));
    EXPECT_TRUE(ColliderOf(player).HasTouched(&ColliderOf(gate)));
    EXPECT_EQ(BodyOf(player).GetVelocity(), (Vector4{3, 0, 0, 0}));
    EXPECT_EQ(TransformOf(gate).GetPosition(), (Vector4{0.5f, 0, 0, 1}));
}

TEST(PhysicsSystem, TwoStaticBodiesInContactStayFinite)
{
    PhysicsWorld world;
    GameObject& a = world.Add(VolumeType::Sphere, {0, 0, 0});
    GameObject& b = world.Add(VolumeType::Sphere, {0.3f, 0, 0});
    BodyOf(a).SetStatic(true);
    BodyOf(b).SetStatic(true);
    BodyOf(a).SetVelocity({1, 0, 0, 0});
    PhysicsWorld::Frame(kStep);
    ASSERT_EQ(Physics().GetContacts().size(), 1u);
    EXPECT_EQ(BodyOf(a).GetVelocity(), (Vector4{1, 0, 0, 0})); // no impulse
    EXPECT_FLOAT_EQ(TransformOf(a).GetPosition().x, kStep);    // its own motion, no correction
    EXPECT_EQ(TransformOf(b).GetPosition(), (Vector4{0.3f, 0, 0, 1}));
}

TEST(PhysicsSystem, GravityOnAStaticMassBodyStaysFinite)
{
    PhysicsWorld world;
    GameObject& block = world.Add(VolumeType::Aabb, {0, 5, 0});
    BodyOf(block).SetStatic(true);
    BodyOf(block).SetGravityOn(true);
    for (int frame = 0; frame < 3; ++frame)
        PhysicsWorld::Frame(kFrame);
    EXPECT_EQ(BodyOf(block).GetVelocity(), (Vector4{}));
    EXPECT_EQ(TransformOf(block).GetPosition(), (Vector4{0, 5, 0, 1}));
}

TEST(PhysicsSystem, DegenerateScenesNeverPutNonFiniteValuesInTransforms)
{
    PhysicsWorld world;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pick(0, 3);
    const Vector4 sizes[] = {{0, 0, 0, 0}, {1e-7f, 1e-7f, 1e-7f, 0}, {1, 0, 1, 0}, {1, 1, 1, 0}};
    for (int i = 0; i < 40; ++i)
    {
        // Everything on a few shared centres: coincident, zero-sized and flat volumes.
        const auto type = static_cast<VolumeType>(pick(random) % 3);
        GameObject& object = world.Add(type, {0, static_cast<float>(pick(random) % 2), 0},
                                       sizes[pick(random)], pick(random) != 0);
        BodyOf(object).SetGravityOn(true);
        if (pick(random) == 0)
            BodyOf(object).SetStatic(true);
        if (pick(random) == 0)
            TransformOf(object).SetRotation(Quaternion{0, 0, 0, 0});
        else if (pick(random) == 0)
            TransformOf(object).SetRotation(Quaternion::FromAxisAngle({0, 1, 0, 0}, 0.7f));
    }
    for (int frame = 0; frame < 20; ++frame)
    {
        PhysicsWorld::Frame(kFrame);
        for (const Contact& c : Physics().GetContacts())
            EXPECT_TRUE(std::isfinite(c.restitution));
        Physics().PostUpdate();
    }
    for (auto& object : world.objects)
    {
        EXPECT_TRUE(TransformOf(*object).GetPosition().IsFinite());
        EXPECT_TRUE(BodyOf(*object).GetVelocity().IsFinite());
    }
}

TEST(PhysicsSystem, DestroyedColliderLeavesNoTraceInTheFrame)
{
    PhysicsWorld world;
    GameObject& a = world.Add(VolumeType::Sphere, {0, 0, 0});
    world.Add(VolumeType::Sphere, {0.5f, 0, 0});
    PhysicsWorld::Frame(kFrame);
    ASSERT_FALSE(ColliderOf(a).GetTouchedList().empty());
    world.objects.pop_back();
    EXPECT_TRUE(ColliderOf(a).GetTouchedList().empty());
    EXPECT_TRUE(Physics().GetContacts().empty());
    EXPECT_EQ(Physics().GetColliders().size(), 1u);
    EXPECT_EQ(Physics().GetRigidBodies().size(), 1u);
}

TEST(PhysicsSystem, DebugDrawShowsCollidersAndContacts)
{
    PhysicsWorld world;
    world.Add(VolumeType::Aabb, {0, 0, 0}, {1, 1, 1}, false);
    world.Add(VolumeType::Sphere, {0, 0.9f, 0}, {0.5f, 0.5f, 0.5f});
    world.Add(VolumeType::Obb, {5, 0, 0}, {1, 1, 1}, false);
    Logic::Instance().SetDebugDraw(true);
    DebugDraw& shapes = GraphicsSystem::Instance().WorldDebugShapes();

    Physics().PreUpdate();
    ASSERT_EQ(shapes.Shapes(DebugShapeKind::Box).size(), 2u);
    EXPECT_EQ(shapes.Shapes(DebugShapeKind::Box)[0].colour, (Vector4{0, 1, 0, 1}));
    EXPECT_EQ(shapes.Shapes(DebugShapeKind::Box)[0].scale, (Vector4{0.5f, 0.5f, 0.5f, 1}));
    EXPECT_EQ(shapes.Shapes(DebugShapeKind::Sphere).size(), 1u);

    Physics().Update(kStep);
    EXPECT_EQ(shapes.Shapes(DebugShapeKind::Box).size(), 3u); // the touched box again, in yellow
    EXPECT_EQ(shapes.Shapes(DebugShapeKind::Box).back().colour, (Vector4{1, 1, 0, 1}));
    ASSERT_EQ(shapes.Shapes(DebugShapeKind::Line).size(), 1u);
    const DebugShape& line = shapes.Shapes(DebugShapeKind::Line)[0];
    EXPECT_EQ(line.position, (Vector4{0, 0.5f, 0, 1}));
    EXPECT_EQ(line.scale, (Vector4{0, -0.5f, 0, 1})); // point + normal
    GraphicsSystem::Instance().PostUpdate();
    EXPECT_EQ(shapes.Count(), 0u);
}
