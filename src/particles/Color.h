#pragma once

#include "particles/ParticleDecorator.h"

/// The colour of new particles, fixed or random, and its blend through a middle to an end colour.
class Color final : public ParticleDecorator
{
  public:
    static constexpr uint32_t kType = 15;

    Color() { SetType(kType); }
    /// Sets the three colours (a script's "ChangeParticleEffectColor").
    void SetColours(const Vector4& start, const Vector4& middle, const Vector4& end);
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;
    /// Blends the colour by the particle's progress: its normalised age, or its age over
    /// "m_timeToChange"; past the end of the change the colour stays as it is.
    void Update(Particle& particle, ParticleEmitter& emitter) override;
    const FieldSet<ParticleDecorator>& Fields() const override;

  private:
    /// How far the change has gone: 0 at spawn, 1 at its end.
    float Progress(const Particle& particle) const;

    Vector4 m_startColor{1.0f, 1.0f, 1.0f, 1.0f};
    Vector4 m_middleColor{1.0f, 1.0f, 1.0f, 1.0f};
    Vector4 m_endColor{1.0f, 1.0f, 1.0f, 1.0f};
    float m_timeToChange = 1.0f;
    bool m_useLifeTime = true;
    bool m_randStartColor = false;
    bool m_lerpColor = false;
    bool m_middleLerp = false;
};
