#pragma once

// Small behaviours that stand in for the game's own in these tests: each does one plain thing
// whose effect on the pool can be worked out by hand.
#include "particles/Particle.h"
#include "particles/ParticleDecorator.h"
#include "particles/ParticleEmitter.h"

#include <memory>
#include <string>
#include <vector>

/// Places new particles at "m_step", paints them white and gives them the next of `lives`.
class TestNudge final : public ParticleDecorator
{
  public:
    static inline std::vector<float> lives; ///< lifetimes handed out in turn; empty keeps the default
    static inline size_t nextLife = 0;
    static inline int updates = 0; ///< Update calls of every TestNudge

    const FieldSet<ParticleDecorator>& Fields() const override;
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;
    void Update(Particle& particle, ParticleEmitter& emitter) override;

    Vector4 m_step{0, 0, 0, 0};
    std::string Name() const override { return "TestNudge"; }
};

/// Makes a particle's position not a number once it is older than "m_poisonAge" (at spawn with 0).
class TestPoison final : public ParticleDecorator
{
  public:
    const FieldSet<ParticleDecorator>& Fields() const override;
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;
    void Update(Particle& particle, ParticleEmitter& emitter) override;

    float m_poisonAge = 1.0f;
    std::string Name() const override { return "TestPoison"; }
};

/// Colours new particles with "m_startColor"; stands at the colour behaviour's type number.
class TestColour final : public ParticleDecorator
{
  public:
    const FieldSet<ParticleDecorator>& Fields() const override;
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;

    Vector4 m_startColor{1, 1, 1, 1};
    Vector4 m_middleColor{1, 1, 1, 1};
    Vector4 m_endColor{1, 1, 1, 1};
    std::string Name() const override { return "Color"; }
};

/// Wires the three behaviours (types 0, 1 and 15) as the emitter's factory.
void UseTestBehaviours();
