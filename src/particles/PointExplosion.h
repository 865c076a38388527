#pragma once

#include "particles/BurstDecorator.h"

/// Sends each new particle off in a random direction at the burst speed.
class PointExplosion final : public BurstDecorator
{
  public:
    static constexpr uint32_t kType = 7;

    PointExplosion() { SetType(kType); }
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;
    const FieldSet<ParticleDecorator>& Fields() const override;
};
