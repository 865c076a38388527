#pragma once

#include "particles/ParticleDecorator.h"

/// New particles on an ellipse in the x-z plane, or inside it when filled.
class Elipse final : public ParticleDecorator
{
  public:
    static constexpr uint32_t kType = 5;

    Elipse() { SetType(kType); }
    /// With "m_useObjScale" the axes become half the owner's x and z scale.
    void Initialize(ParticleEmitter& emitter) override;
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;
    const FieldSet<ParticleDecorator>& Fields() const override;

  private:
    float m_a = 1.0f;
    float m_b = 2.0f;
    bool m_filled = false;
    bool m_useObjScale = false;
};
