#pragma once

#include "particles/ParticleDecorator.h"

/// New particles on a ring that rises and widens, then narrows, over their life: a mushroom cloud.
class MushroomSpawner final : public ParticleDecorator
{
  public:
    static constexpr uint32_t kType = 4;

    MushroomSpawner() { SetType(kType); }
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;
    /// Radius start → middle over the first half of life, middle → end over the second; height
    /// start → end over the whole life.
    void Update(Particle& particle, ParticleEmitter& emitter) override;
    const FieldSet<ParticleDecorator>& Fields() const override;

  private:
    float m_yStart = 1.0f;
    float m_yEnd = 1.0f;
    float m_radiusStart = 1.0f;
    float m_radiusMiddle = 1.0f;
    float m_radiusEnd = 1.0f;
};
