// What the behaviours that change a particle's looks and life do: size, colour and lifetime.
#include "BehaviourTestRig.h"
#include "math/Random.h"
#include "particles/Color.h"
#include "particles/LifeTime.h"
#include "particles/Scaler.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <tinyxml2.h>

namespace
{
constexpr float kTolerance = 1e-4f;

const Vector4 kRed{1, 0, 0, 1};
const Vector4 kGreen{0, 1, 0, 1};
const Vector4 kBlue{0, 0, 1, 0};
} // namespace

TEST(Scaler, StartSizeFixedOrDrawnThenBlendedToTheEndSize)
{
    BehaviourTestRig rig;
    Scaler scaler;
    Configure(scaler, R"(<float name="m_scaleStart" value="2"/><float name="m_scaleEnd" value="6"/>)");
    Particle particle;
    scaler.Spawn(particle, rig.emitter);
    EXPECT_EQ(particle.size, 2.0f);
    EXPECT_EQ(particle.startSize, 2.0f);
    particle.normalisedAge = 0.5f;
    scaler.Update(particle, rig.emitter);
    EXPECT_EQ(particle.size, 2.0f) << "no blend without lerpScale";

    Configure(scaler, R"(<bool name="randStartScale" value="1"/><bool name="lerpScale" value="1"/>)");
    std::srand(8);
    const float drawn = RandomRange(2.0f, 6.0f);
    std::srand(8);
    scaler.Spawn(particle, rig.emitter);
    EXPECT_EQ(particle.startSize, drawn);
    particle.normalisedAge = 0.25f;
    scaler.Update(particle, rig.emitter);
    EXPECT_NEAR(particle.size, 0.75f * drawn + 0.25f * 6.0f, kTolerance);
    particle.normalisedAge = 4.0f;
    scaler.Update(particle, rig.emitter);
    EXPECT_EQ(particle.size, 6.0f) << "held at the end size";
}

TEST(Color, BlendsThroughTheMiddleToTheEndOverLife)
{
    BehaviourTestRig rig;
    Color color;
    color.SetColours(kRed, kGreen, kBlue);
    Configure(color, R"(<bool name="m_lerpColor" value="1"/><bool name="m_middleLerp" value="1"/>)");
    Particle particle;
    color.Spawn(particle, rig.emitter);
    EXPECT_EQ(particle.colour, kRed);
    EXPECT_EQ(particle.startColour, kRed);

    particle.normalisedAge = 0.25f;
    color.Update(particle, rig.emitter);
    EXPECT_EQ(particle.colour, (Vector4{0.5f, 0.5f, 0, 1}));
    particle.normalisedAge = 0.75f;
    color.Update(particle, rig.emitter);
    EXPECT_EQ(particle.colour, (Vector4{0, 0.5f, 0.5f, 0.5f}));

    // Only "m_middleLerp": straight from the start colour to the end colour.
    Configure(color, R"(<bool name="m_lerpColor" value="0"/>)");
    particle.normalisedAge = 0.5f;
    color.Update(particle, rig.emitter);
    EXPECT_EQ(particle.colour, (Vector4{0.5f, 0, 0.5f, 0.5f}));
}

TEST(Color, WithoutLifeTimeChangesDuringTheChangeTimeThenStays)
{
    BehaviourTestRig rig;
    Color color;
    color.SetColours(kRed, kGreen, kBlue);
    Configure(color, R"(<bool name="m_useLifeTime" value="0"/><float name="m_timeToChange" value="2"/>
                        <bool name="m_middleLerp" value="1"/>)");
    Particle particle;
    particle.lifetime = 10.0f;
    color.Spawn(particle, rig.emitter);
    particle.age = 1.0f;
    color.Update(particle, rig.emitter);
    EXPECT_EQ(particle.colour, (Vector4{0.5f, 0, 0.5f, 0.5f})) << "halfway after 1 s of 2";
    particle.age = 2.0f;
    color.Update(particle, rig.emitter);
    EXPECT_EQ(particle.colour, kBlue);
    const Vector4 last = particle.colour;
    particle.age = 3.0f;
    color.Update(particle, rig.emitter);
    EXPECT_EQ(particle.colour, last);

    // A zero change time is a change that is over at once, not a division by zero.
    Configure(color, R"(<float name="m_timeToChange" value="0"/>)");
    color.Spawn(particle, rig.emitter);
    color.Update(particle, rig.emitter);
    EXPECT_EQ(particle.colour, kBlue);
    // An endless particle's normalised age (age over a zero lifetime) changes nothing.
    Configure(color, R"(<bool name="m_useLifeTime" value="1"/>)");
    color.Spawn(particle, rig.emitter);
    particle.normalisedAge = std::nanf("");
    color.Update(particle, rig.emitter);
    EXPECT_EQ(particle.colour, kRed);
}

TEST(Color, RandomStartDrawsEachComponentBetweenStartAndEnd)
{
    BehaviourTestRig rig;
    Color color;
    color.SetColours({0, 0, 0, 0}, kGreen, {1, 1, 1, 1});
    Configure(color, R"(<bool name="m_randStartColor" value="1"/>)");
    std::srand(13);
    Vector4 expected;
    for (int i = 0; i < 4; ++i)
        expected[i] = RandomRange(0.0f, 1.0f);
    std::srand(13);
    Particle particle;
    color.Spawn(particle, rig.emitter);
    EXPECT_EQ(particle.colour, expected);
    EXPECT_EQ(particle.startColour, expected);
}

TEST(LifeTime, FixedOrDrawnAndTheMinimumWhenTheBoundsAreCrossed)
{
    BehaviourTestRig rig;
    LifeTime life;
    Configure(life, R"(<float name="m_lifeMin" value="3"/><float name="m_lifeMax" value="1"/>
                       <bool name="m_randStartLife" value="1"/>)");
    Particle particle;
    life.Spawn(particle, rig.emitter);
    EXPECT_EQ(particle.lifetime, 3.0f);

    Configure(life, R"(<float name="m_lifeMax" value="5"/>)");
    std::srand(17);
    const float drawn = RandomRange(3.0f, 5.0f);
    std::srand(17);
    life.Spawn(particle, rig.emitter);
    EXPECT_EQ(particle.lifetime, drawn);

    Configure(life, R"(<bool name="m_randStartLife" value="0"/>)");
    life.Spawn(particle, rig.emitter);
    EXPECT_EQ(particle.lifetime, 3.0f);
}
