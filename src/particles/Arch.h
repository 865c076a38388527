#pragma once

#include "particles/ParticleDecorator.h"

/// New particles on a half-ellipse arch standing over the owner, sized by its scale. Nothing of
/// it is read from the file: the owner's size decides everything.
class Arch final : public ParticleDecorator
{
  public:
    static constexpr uint32_t kType = 6;

    Arch() { SetType(kType); }
    /// Spans the owner's longer horizontal side, as high as the owner, and lowers the effect's
    /// offset by half the owner's height so the arch stands on the ground.
    void Initialize(ParticleEmitter& emitter) override;
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;
    const FieldSet<ParticleDecorator>& Fields() const override;

  private:
    float m_radius = 0.5f;
    float m_height = 1.0f;
    bool m_alongX = false;
};
