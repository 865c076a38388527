// How the moving behaviours carry particles: burst speeds and the shared move rule, the spiral,
// the wave, the pull into the owner and the turning of local positions.
#include "BehaviourTestRig.h"
#include "math/Random.h"
#include "particles/BlackHole.h"
#include "particles/DirectionalVel.h"
#include "particles/OscillatorY.h"
#include "particles/OutwardBurst.h"
#include "particles/PointExplosion.h"
#include "particles/Rotation.h"
#include "particles/SpiralY.h"
#include "particles/UpwardBurst.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <tinyxml2.h>

namespace
{
constexpr float kTolerance = 1e-4f;

void ExpectNear(const Vector4& actual, const Vector4& expected)
{
    EXPECT_NEAR(actual.x, expected.x, kTolerance);
    EXPECT_NEAR(actual.y, expected.y, kTolerance);
    EXPECT_NEAR(actual.z, expected.z, kTolerance);
    EXPECT_NEAR(actual.w, expected.w, kTolerance);
}
} // namespace

TEST(BurstBehaviours, StartSpeedsFollowTheBoundsAndTheRandomFlag)
{
    BehaviourTestRig rig;
    PointExplosion explosion;
    Configure(explosion, R"(<float name="m_velocityMin" value="2"/><float name="m_velocityMax" value="6"/>)");
    Particle fixed;
    explosion.Spawn(fixed, rig.emitter);
    EXPECT_NEAR(Length3Of(fixed.velocity), 2.0f, kTolerance) << "the lower bound without the random flag";
    EXPECT_EQ(fixed.velocity.w, 0.0f);

    Configure(explosion, R"(<bool name="m_randStartVel" value="1"/>)");
    std::srand(21);
    const float theta = RandomRange(0.0f, 3.14f);
    const float phi = RandomRange(0.0f, 6.28f);
    const float speed = RandomRange(2.0f, 6.0f);
    std::srand(21);
    Particle drawn;
    explosion.Spawn(drawn, rig.emitter);
    ExpectNear(drawn.velocity,
               Vector4{std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi), std::cos(theta), 0} *
                   speed);
}

TEST(BurstBehaviours, OutwardUpwardAndDirectionalAddToTheVelocity)
{
    BehaviourTestRig rig;
    Particle particle;
    particle.localPosition = {3.0f, 0.0f, 4.0f, 1.0f};
    particle.velocity = {0.0f, 1.0f, 0.0f, 0.0f};
    OutwardBurst outward;
    Configure(outward, R"(<float name="m_velocityMin" value="10"/>)");
    outward.Spawn(particle, rig.emitter);
    ExpectNear(particle.velocity, {6.0f, 1.0f, 8.0f, 0.0f});
    EXPECT_EQ(particle.localPosition.w, 0.0f);

    UpwardBurst upward;
    upward.Spawn(particle, rig.emitter);
    ExpectNear(particle.velocity, {6.0f, 2.0f, 8.0f, 0.0f});
    EXPECT_EQ(particle.localPosition.w, 1.0f);

    // With "m_useObjOrient" the direction is the owner's +z: a half turn about y points it at -z.
    DirectionalVel directional;
    Configure(directional,
              R"(<bool name="m_useObjOrient" value="1"/><float name="m_velocityMin" value="2"/>)");
    rig.transform->SetRotation(Quaternion::FromAxisAngle({0, 1, 0, 0}, 3.14159265f));
    directional.Initialize(rig.emitter);
    Particle aimed;
    directional.Spawn(aimed, rig.emitter);
    ExpectNear(aimed.velocity, {0.0f, 0.0f, -2.0f, 1.0f});
}

TEST(BurstBehaviours, MoveThePositionOrTheLocalPositionOncePerBurst)
{
    BehaviourTestRig rig; // frame time 0.5
    UpwardBurst first;
    PointExplosion second;
    Particle particle;
    particle.position = {1.0f, 1.0f, 1.0f, 1.0f};
    particle.velocity = {2.0f, 0.0f, -4.0f, 1.0f};
    first.Update(particle, rig.emitter);
    ExpectNear(particle.previousPosition, {1.0f, 1.0f, 1.0f, 1.0f});
    ExpectNear(particle.position, {2.0f, 1.0f, -1.0f, 1.0f});
    second.Update(particle, rig.emitter);
    // Two bursts in one effect move the particle twice.
    ExpectNear(particle.position, {3.0f, 1.0f, -3.0f, 1.0f});

    rig.emitter.SetLocalPos(true);
    particle.localPosition = {0.0f, 0.0f, 0.0f, 1.0f};
    first.Update(particle, rig.emitter);
    ExpectNear(particle.localPosition, {1.0f, 0.0f, -2.0f, 1.0f});
    ExpectNear(particle.previousPosition, {0.0f, 0.0f, 0.0f, 1.0f});
    // The world position is the emitter's to set.
    ExpectNear(particle.position, {3.0f, 1.0f, -3.0f, 1.0f});
}

TEST(SpiralY, AngleWrapsPast360AndTheParticleClimbsItsCircle)
{
    BehaviourTestRig rig;
    rig.transform->SetPosition({10.0f, 0.0f, 0.0f, 1.0f});
    SpiralY spiral;
    Configure(spiral, R"(<float name="m_xzStepMin" value="5"/><float name="m_yStart" value="1"/>
                         <float name="m_yEnd" value="3"/><float name="m_radiusStart" value="2"/>)");
    Particle particle;
    spiral.Spawn(particle, rig.emitter);
    EXPECT_EQ(particle.spiralAngle, 5.0f);
    EXPECT_EQ(particle.spiralStartHeight, 1.0f);
    EXPECT_EQ(particle.spiralRadius, 2.0f);

    particle.spiralAngle = 359.0f;
    particle.normalisedAge = 0.5f;
    spiral.Update(particle, rig.emitter);
    EXPECT_NEAR(particle.spiralAngle, 4.0f, kTolerance);
    const float radians = 4.0f / 180.0f * 3.14f;
    ExpectNear(particle.localPosition, {std::cos(radians) * 2.0f, 2.0f, std::sin(radians) * 2.0f, 1.0f});
    ExpectNear(particle.position, {10.0f + std::cos(radians) * 2.0f, 2.0f, std::sin(radians) * 2.0f, 1.0f});

    // With "localPos" the emitter places the particle from its local position.
    rig.emitter.SetLocalPos(true);
    particle.position = {};
    spiral.Update(particle, rig.emitter);
    EXPECT_EQ(particle.position, Vector4{});
}

TEST(OscillatorY, RidesTheWaveAndRestartsIt)
{
    BehaviourTestRig rig;
    rig.emitter.SetFrameTime(0.25f);
    OscillatorY wave;
    Configure(wave, R"(<float name="m_waveTime" value="1"/><float name="m_amplitude" value="2"/>
                       <float name="m_strideLength" value="1"/>)");
    Particle particle;
    particle.oscillationTimer = 0.7f;
    particle.localPosition.y = 5.0f;
    wave.Spawn(particle, rig.emitter);
    EXPECT_EQ(particle.oscillationTimer, 0.0f);

    wave.Update(particle, rig.emitter);
    EXPECT_NEAR(particle.position.y, 5.0f + std::sin(0.25f * 6.28f) * 2.0f, kTolerance);
    for (int i = 0; i < 3; ++i)
        wave.Update(particle, rig.emitter);
    EXPECT_EQ(particle.oscillationTimer, 0.0f) << "a full wave restarts the timer";

    // A zero wave time must not divide into NaN.
    Configure(wave, R"(<float name="m_waveTime" value="0"/>)");
    wave.Update(particle, rig.emitter);
    EXPECT_TRUE(std::isfinite(particle.position.y));

    rig.emitter.SetLocalPos(true);
    wave.Update(particle, rig.emitter);
    EXPECT_NEAR(particle.position.y, 2.0f * particle.localPosition.y, kTolerance);
}

TEST(BlackHole, PullsFromTheSpawnPointIntoTheOwnerOverLife)
{
    BehaviourTestRig rig;
    rig.transform->SetPosition({4.0f, 0.0f, 0.0f, 1.0f});
    rig.emitter.SetOffset({0.0f, 2.0f, 0.0f, 0.0f});
    BlackHole hole;
    Particle particle;
    particle.localPosition = {0.0f, 0.0f, 8.0f, 1.0f};
    particle.position = {9.0f, 9.0f, 9.0f, 1.0f};
    particle.normalisedAge = 0.25f;
    hole.Update(particle, rig.emitter);
    ExpectNear(particle.previousPosition, {9.0f, 9.0f, 9.0f, 1.0f});
    ExpectNear(particle.position, {1.0f, 0.5f, 6.0f, 1.0f});
    particle.normalisedAge = 3.0f;
    hole.Update(particle, rig.emitter);
    // Held at the owner after its life.
    ExpectNear(particle.position, {4.0f, 2.0f, 0.0f, 1.0f});
}

TEST(Rotation, TurnsTheLocalPositionByTheStepsZThenYThenX)
{
    BehaviourTestRig rig;
    Rotation rotation;
    Configure(rotation,
              R"(<float name="m_rotationStepX" value="90"/><float name="m_rotationStepY" value="90"/>)");
    Particle particle;
    particle.localPosition = {0.0f, 0.0f, 1.0f, 1.0f};
    rotation.Update(particle, rig.emitter);
    // x first takes +z to (almost) -y, then y turns what is left of z towards +x; the other order
    // would take +z to +x first. The game's 3.14 leaves the quarter turns a little short.
    const float a = 90.0f * 0.0055555557f * 3.14f;
    ExpectNear(particle.localPosition,
               {std::cos(a) * std::sin(a), -std::sin(a), std::cos(a) * std::cos(a), 1.0f});
}

TEST(Rotation, StepsDriftToNewRandomValuesAfterTheChangeTime)
{
    BehaviourTestRig rig;
    rig.emitter.SetFrameTime(0.5f);
    Rotation rotation;
    Configure(rotation, R"(<float name="m_rotationStepX" value="7"/><float name="m_RangeMin" value="2"/>
                           <float name="m_RangeMax" value="4"/><bool name="m_changeOverTime" value="1"/>
                           <float name="timeBetweenChange" value="1"/><float name="timeToChange" value="1"/>)");
    Particle particle;
    rotation.Update(particle, rig.emitter);
    rotation.Update(particle, rig.emitter);
    EXPECT_EQ(rotation.Steps()[0], 7.0f) << "no change until the clock passes the time between changes";

    std::srand(3);
    const float target = RandomRangeFine(2.0f, 4.0f);
    std::srand(3);
    rotation.Update(particle, rig.emitter); // clock 1.5: the change starts, clock back to 0
    EXPECT_EQ(rotation.Steps()[0], 7.0f);
    rotation.Update(particle, rig.emitter); // halfway
    EXPECT_NEAR(rotation.Steps()[0], (7.0f + target) / 2.0f, kTolerance);
    EXPECT_EQ(rotation.Steps()[1], 0.0f) << "only flagged axes change";
    rotation.Update(particle, rig.emitter);
    EXPECT_NEAR(rotation.Steps()[0], target, kTolerance);

    // A zero change duration jumps instead of dividing by zero.
    Configure(rotation, R"(<float name="timeToChange" value="0"/>)");
    for (int i = 0; i < 4; ++i)
        rotation.Update(particle, rig.emitter);
    EXPECT_TRUE(std::isfinite(rotation.Steps()[0]));
    EXPECT_TRUE(Finite(particle.localPosition));
}
