#pragma once

#include "particles/ParticleDecorator.h"

/// How long new particles live: a fixed or a random time.
class LifeTime final : public ParticleDecorator
{
  public:
    static constexpr uint32_t kType = 16;

    LifeTime() { SetType(kType); }
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;
    const FieldSet<ParticleDecorator>& Fields() const override;

  private:
    float m_lifeMin = 1.0f;
    float m_lifeMax = 1.0f;
    bool m_randStartLife = false;
};
