#pragma once

#include "particles/ParticleDecorator.h"

/// Draws each particle from where it appeared into the owner (plus the effect's offset) over its
/// life. Nothing of it is read from the file.
class BlackHole final : public ParticleDecorator
{
  public:
    static constexpr uint32_t kType = 11;

    BlackHole() { SetType(kType); }
    void Update(Particle& particle, ParticleEmitter& emitter) override;
    const FieldSet<ParticleDecorator>& Fields() const override;

  private:
    float m_duration = 1.0f; ///< shown on the panel only; the particle's own life sets the pace
};
