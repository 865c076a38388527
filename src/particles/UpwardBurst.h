#pragma once

#include "particles/BurstDecorator.h"

/// Sends each new particle upwards at the burst speed.
class UpwardBurst final : public BurstDecorator
{
  public:
    static constexpr uint32_t kType = 9;

    UpwardBurst() { SetType(kType); }
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;
    const FieldSet<ParticleDecorator>& Fields() const override;
};
