#pragma once

#include "particles/RadiusSpawner.h"

/// New particles on a sphere round the owner, or inside it when filled.
class SphereSpawner final : public RadiusSpawner
{
  public:
    static constexpr uint32_t kType = 0;

    SphereSpawner() { SetType(kType); }
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;
    const FieldSet<ParticleDecorator>& Fields() const override;
};
