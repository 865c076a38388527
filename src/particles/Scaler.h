#pragma once

#include "particles/ParticleDecorator.h"

/// The size of new particles, fixed or random, and optionally a blend to an end size over life.
class Scaler final : public ParticleDecorator
{
  public:
    static constexpr uint32_t kType = 14;

    Scaler() { SetType(kType); }
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;
    /// With "lerpScale" the size goes from the start size to "m_scaleEnd" over the particle's life.
    void Update(Particle& particle, ParticleEmitter& emitter) override;
    const FieldSet<ParticleDecorator>& Fields() const override;

  private:
    float m_scaleStart = 1.0f;
    float m_scaleEnd = 1.0f;
    bool m_randStartScale = false;
    bool m_lerpScale = false;
};
