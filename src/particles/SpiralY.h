#pragma once

#include "particles/ParticleDecorator.h"

/// Particles that circle the owner's vertical axis while they climb from a start height to the end
/// height over their life.
class SpiralY final : public ParticleDecorator
{
  public:
    static constexpr uint32_t kType = 12;

    SpiralY() { SetType(kType); }
    /// Picks the particle's start height, radius and angle.
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;
    /// Turns the particle by one step (degrees) and places it on its circle at its height.
    void Update(Particle& particle, ParticleEmitter& emitter) override;
    const FieldSet<ParticleDecorator>& Fields() const override;

  private:
    /// One angle step in degrees: random between the bounds with "m_randXZstep", else the lower.
    float DrawStep() const;

    float m_xzStepMin = 1.0f;
    float m_xzStepMax = 5.0f;
    float m_yStart = 0.0f;
    float m_yEnd = 5.0f;
    float m_radiusStart = 1.0f;
    float m_radiusEnd = 1.0f;
    bool m_randRadiusStart = false;
    bool m_randXZstep = false;
    bool m_randYstart = false;
};
