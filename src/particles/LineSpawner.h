#pragma once

#include "particles/ParticleDecorator.h"

/// New particles along a line through the owner, scattered sideways by a radius.
class LineSpawner final : public ParticleDecorator
{
  public:
    static constexpr uint32_t kType = 3;

    LineSpawner() { SetType(kType); }
    /// With "m_useObjScale" the line's length and radius follow the owner's size.
    void Initialize(ParticleEmitter& emitter) override;
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;
    const FieldSet<ParticleDecorator>& Fields() const override;

  private:
    /// The owner's facing with "m_useFacing" (when it has a Controller), else "m_dir".
    Vector4 Direction(const ParticleEmitter& emitter) const;

    Vector4 m_dir{1.0f, 0.0f, 0.0f, 0.0f};
    float m_length = 1.0f;
    float m_radius = 1.0f;
    bool m_useFacing = false;
    bool m_useObjScale = false;
    bool m_useObjRotation = false;
};
