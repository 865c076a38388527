#pragma once

#include "particles/BurstDecorator.h"

/// Pushes each new particle away from the centre, along its spawn position.
class OutwardBurst final : public BurstDecorator
{
  public:
    static constexpr uint32_t kType = 8;

    OutwardBurst() { SetType(kType); }
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;
    const FieldSet<ParticleDecorator>& Fields() const override;
};
