// Where the spawning behaviours put new particles: the shapes' closed forms, the owner's size and
// rotation, and the same draws replayed from a fixed seed.
#include "BehaviourTestRig.h"
#include "gameplay/Controller.h"
#include "math/GameConstants.h"
#include "math/Random.h"
#include "particles/Arch.h"
#include "particles/Elipse.h"
#include "particles/LineSpawner.h"
#include "particles/MushroomSpawner.h"
#include "particles/RingXYSpawner.h"
#include "particles/RingXZSpawner.h"
#include "particles/SphereSpawner.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <tinyxml2.h>

namespace
{
constexpr float kTolerance = 1e-4f;

} // namespace

TEST(SphereSpawner, UnfilledPlacesEveryParticleExactlyOnTheMinimumRadius)
{
    BehaviourTestRig rig;
    SphereSpawner sphere;
    Configure(sphere, R"(<float name="m_MinRadius" value="2"/><float name="m_MaxRadius" value="5"/>)");
    std::srand(11);
    for (int i = 0; i < 50; ++i)
    {
        Particle particle;
        sphere.Spawn(particle, rig.emitter);
        EXPECT_NEAR(Length3Of(particle.localPosition), 2.0f, kTolerance);
        EXPECT_EQ(particle.localPosition.w, 1.0f);
    }
}

TEST(SphereSpawner, FilledDrawsTheRadiusFirstThenTheDirection)
{
    BehaviourTestRig rig;
    SphereSpawner sphere;
    Configure(sphere, R"(<float name="m_MinRadius" value="1"/><float name="m_MaxRadius" value="3"/>
                         <bool name="m_filled" value="1"/>)");
    std::srand(5);
    const float radius = RandomRangeFine(1.0f, 3.0f);
    const Vector4 direction = RandomDirection();
    std::srand(5);
    Particle particle;
    sphere.Spawn(particle, rig.emitter);
    EXPECT_NEAR(particle.localPosition.x, direction.x * radius, kTolerance);
    EXPECT_NEAR(particle.localPosition.y, direction.y * radius, kTolerance);
    EXPECT_NEAR(particle.localPosition.z, direction.z * radius, kTolerance);
}

TEST(SphereSpawner, OwnerScaleBecomesTheRadiusInUse)
{
    BehaviourTestRig rig;
    rig.transform->SetScale(2.0f, 3.0f, 6.0f); // length 7
    SphereSpawner sphere;
    Configure(sphere, R"(<bool name="m_useObjScale" value="1"/>)");
    Particle particle;
    sphere.Spawn(particle, rig.emitter);
    EXPECT_NEAR(Length3Of(particle.localPosition), 7.0f, kTolerance);

    // Without an owner the scale counts as (1, 1, 1): no crash, a finite radius.
    ParticleEmitter bare;
    sphere.Spawn(particle, bare);
    EXPECT_NEAR(Length3Of(particle.localPosition), std::sqrt(3.0f), kTolerance);
}

TEST(RingSpawners, StayInTheirPlaneOnTheRadiusAndFollowTheRotations)
{
    BehaviourTestRig rig;
    RingXYSpawner xy;
    RingXZSpawner xz;
    Configure(xy, R"(<float name="m_MinRadius" value="3"/>)");
    Configure(xz, R"(<float name="m_MinRadius" value="3"/>)");
    std::srand(2);
    for (int i = 0; i < 20; ++i)
    {
        Particle a;
        Particle b;
        xy.Spawn(a, rig.emitter);
        xz.Spawn(b, rig.emitter);
        EXPECT_EQ(a.localPosition.z, 0.0f);
        EXPECT_EQ(b.localPosition.y, 0.0f);
        EXPECT_NEAR(Length3Of(a.localPosition), 3.0f, kTolerance);
        EXPECT_NEAR(Length3Of(b.localPosition), 3.0f, kTolerance);
    }

    // A quarter turn about x, from the effect's orientation, stands the x-z ring in the x-y plane;
    // the owner's rotation does it for the x-y ring only with "m_useObjRotation".
    const Quaternion quarterX = Quaternion::FromAxisAngle({1, 0, 0, 0}, 3.14159265f / 2.0f);
    rig.emitter.SetOrientation(quarterX);
    Particle turned;
    xz.Spawn(turned, rig.emitter);
    EXPECT_NEAR(turned.localPosition.z, 0.0f, kTolerance);

    rig.transform->SetRotation(quarterX);
    Particle unturned;
    xy.Spawn(unturned, rig.emitter);
    EXPECT_EQ(unturned.localPosition.z, 0.0f);
    Configure(xy, R"(<bool name="m_useObjRotation" value="1"/>)");
    Particle withOwner;
    xy.Spawn(withOwner, rig.emitter);
    EXPECT_NEAR(withOwner.localPosition.y, 0.0f, kTolerance);
    EXPECT_EQ(withOwner.localPosition.w, 1.0f);
}

TEST(LineSpawner, ReplaysTheSideAlongAndCoinDraws)
{
    BehaviourTestRig rig;
    LineSpawner line;
    Configure(line, R"(<Vector4 name="m_dir"><float value="0"/><float value="0"/><float value="1"/>
                       <float value="0"/></Vector4><float name="m_length" value="4"/>
                       <float name="m_radius" value="0.5"/>)");
    for (unsigned seed = 1; seed < 6; ++seed)
    {
        std::srand(seed);
        const Vector4 side = RandomDirection() * 0.5f;
        const float along = RandomRange(0.0f, 4.0f);
        const bool behind = RandomInt(0, 100) < 51;
        std::srand(seed);
        Particle particle;
        line.Spawn(particle, rig.emitter);
        EXPECT_NEAR(particle.localPosition.x, side.x, kTolerance);
        EXPECT_NEAR(particle.localPosition.z, side.z + (behind ? -along : along), kTolerance);
        EXPECT_EQ(particle.localPosition.w, 1.0f);
    }
}

TEST(LineSpawner, UseFacingFollowsTheOwnersControllerWhenItHasOne)
{
    BehaviourTestRig rig;
    LineSpawner line;
    Configure(line, R"(<float name="m_radius" value="0"/><float name="m_length" value="3"/>
                       <bool name="m_useFacing" value="1"/>)");
    Particle particle;
    line.Spawn(particle, rig.emitter);
    EXPECT_EQ(particle.localPosition.y, 0.0f) << "no Controller: along m_dir, +x";
    EXPECT_EQ(particle.localPosition.z, 0.0f);

    auto* controller = static_cast<Controller*>(rig.owner.AddComponent(std::make_unique<Controller>()));
    controller->SetFacing({0.0f, 1.0f, 0.0f, 0.0f});
    for (int i = 0; i < 10; ++i)
    {
        line.Spawn(particle, rig.emitter);
        EXPECT_EQ(particle.localPosition.x, 0.0f);
        EXPECT_LE(std::abs(particle.localPosition.y), 3.0f);
    }
}

TEST(LineSpawner, ObjectScaleSetsLengthAndRadiusAtInitialize)
{
    BehaviourTestRig rig;
    rig.transform->SetScale(2.0f, 4.0f, 4.0f); // length 6
    LineSpawner line;
    Configure(line, R"(<float name="m_radius" value="0"/><bool name="m_useObjScale" value="1"/>)");
    line.Initialize(rig.emitter);
    EXPECT_NE(line.Fields().Text(line).find("m_length=3; m_radius=2;"), std::string::npos)
        << line.Fields().Text(line);
}

TEST(MushroomSpawner, RisesAndWidensThroughTheMiddleRadius)
{
    BehaviourTestRig rig;
    MushroomSpawner mushroom;
    Configure(mushroom, R"(<float name="m_yStart" value="0"/><float name="m_yEnd" value="4"/>
                           <float name="m_radiusStart" value="1"/><float name="m_radiusMiddle" value="3"/>
                           <float name="m_radiusEnd" value="2"/>)");
    Particle particle;
    mushroom.Spawn(particle, rig.emitter);
    const float angle = particle.mushroomAngle;
    EXPECT_NEAR(particle.localPosition.x, std::cos(angle), kTolerance);
    EXPECT_EQ(particle.localPosition.y, 0.0f);

    const std::pair<float, float> ageRadiusHeight[] = {
        {0.25f, 2.0f}, {0.5f, 3.0f}, {0.75f, 2.5f}, {1.0f, 2.0f}};
    for (const auto& [age, radius] : ageRadiusHeight)
    {
        particle.normalisedAge = age;
        mushroom.Update(particle, rig.emitter);
        EXPECT_NEAR(particle.localPosition.x, std::cos(angle) * radius, kTolerance) << age;
        EXPECT_NEAR(particle.localPosition.z, std::sin(angle) * radius, kTolerance) << age;
        EXPECT_NEAR(particle.localPosition.y, 4.0f * age, kTolerance) << age;
    }

    // An endless particle's normalised age may be infinite or not a number: it stays in shape.
    particle.normalisedAge = std::nanf("");
    mushroom.Update(particle, rig.emitter);
    EXPECT_TRUE(Finite(particle.localPosition));
}

TEST(Elipse, OnTheOutlineUnlessFilledAndSizedByTheOwner)
{
    BehaviourTestRig rig;
    Elipse ellipse;
    std::srand(9);
    for (int i = 0; i < 20; ++i)
    {
        Particle particle;
        ellipse.Spawn(particle, rig.emitter);
        const Vector4& p = particle.localPosition;
        EXPECT_NEAR(p.x * p.x / 1.0f + p.z * p.z / 4.0f, 1.0f, 1e-3f) << "axes 1 and 2 by default";
        EXPECT_EQ(p.y, 0.0f);
    }

    Configure(ellipse, R"(<bool name="m_filled" value="1"/><bool name="m_useObjScale" value="1"/>)");
    rig.transform->SetScale(6.0f, 1.0f, 2.0f);
    ellipse.Initialize(rig.emitter);
    for (int i = 0; i < 20; ++i)
    {
        Particle particle;
        ellipse.Spawn(particle, rig.emitter);
        EXPECT_LE(std::abs(particle.localPosition.x), 3.0f + kTolerance);
        EXPECT_LE(std::abs(particle.localPosition.z), 1.0f + kTolerance);
    }
}

TEST(Arch, SpansTheLongerSideAndStandsOnTheGround)
{
    BehaviourTestRig rig;
    rig.transform->SetScale(2.0f, 3.0f, 8.0f);
    Arch arch;
    arch.Initialize(rig.emitter);
    EXPECT_EQ(rig.emitter.Offset().y, -1.5f);
    std::srand(4);
    for (int i = 0; i < 20; ++i)
    {
        Particle particle;
        arch.Spawn(particle, rig.emitter);
        const Vector4& p = particle.localPosition;
        EXPECT_EQ(p.x, 0.0f) << "z is the longer side";
        EXPECT_GE(p.y, 0.0f);
        EXPECT_NEAR(p.z * p.z / 16.0f + p.y * p.y / 9.0f, 1.0f, 1e-3f);
        EXPECT_EQ(p.w, 1.0f);
    }

    rig.transform->SetScale(8.0f, 3.0f, 2.0f);
    arch.Initialize(rig.emitter);
    Particle particle;
    arch.Spawn(particle, rig.emitter);
    EXPECT_EQ(particle.localPosition.z, 0.0f) << "now x is the longer side";
}
