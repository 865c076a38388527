#pragma once

#include "particles/RadiusSpawner.h"

/// New particles on a ring in the x-y plane.
class RingXYSpawner final : public RadiusSpawner
{
  public:
    static constexpr uint32_t kType = 1;

    RingXYSpawner() { SetType(kType); }
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;
    const FieldSet<ParticleDecorator>& Fields() const override;
};
