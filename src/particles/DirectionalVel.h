#pragma once

#include "particles/BurstDecorator.h"

/// Sends each new particle along a fixed direction, or the way the owner faces, at the burst speed.
class DirectionalVel final : public BurstDecorator
{
  public:
    static constexpr uint32_t kType = 10;

    DirectionalVel() { SetType(kType); }
    /// With "m_useObjOrient" the direction becomes the owner's forward (+z turned by its rotation).
    void Initialize(ParticleEmitter& emitter) override;
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;
    const FieldSet<ParticleDecorator>& Fields() const override;

  private:
    bool m_useObjOrient = false;
    Vector4 m_dir;
};
