#pragma once

#include "particles/Oscillator.h"

/// Particles that bob up and down on a wave.
class OscillatorY final : public Oscillator
{
  public:
    static constexpr uint32_t kType = 13;

    OscillatorY() { SetType(kType); }
    /// Sets the height to the local height plus the wave's offset (with "localPos" the local
    /// height itself takes the offset first).
    void Update(Particle& particle, ParticleEmitter& emitter) override;
    const FieldSet<ParticleDecorator>& Fields() const override;
};
