#pragma once

#include "particles/RadiusSpawner.h"

/// New particles on a ring in the x-z plane, turned by the effect's orientation.
class RingXZSpawner final : public RadiusSpawner
{
  public:
    static constexpr uint32_t kType = 2;

    RingXZSpawner() { SetType(kType); }
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;
    const FieldSet<ParticleDecorator>& Fields() const override;
};
