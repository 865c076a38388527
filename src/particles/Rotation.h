#pragma once

#include "particles/ParticleDecorator.h"

#include <array>

/// Turns each particle's local position by a step about x, y and z every frame; the steps can
/// drift to new random values from time to time.
class Rotation final : public ParticleDecorator
{
  public:
    static constexpr uint32_t kType = 17;

    Rotation() { SetType(kType); }
    /// Advances the step drift (with "m_changeOverTime"), then turns the local position by the
    /// steps in degrees: z, then y, then x applied last.
    void Update(Particle& particle, ParticleEmitter& emitter) override;
    const FieldSet<ParticleDecorator>& Fields() const override;
    /// The current steps about x, y and z in degrees.
    const std::array<float, 3>& Steps() const { return m_steps; }

  private:
    /// Runs the change clock; when it passes "timeBetweenChange" the flagged steps head for new
    /// random values, reached after "timeToChange".
    void AdvanceChange(float dt);
    /// Whether axis 0, 1 or 2 takes part in changes.
    bool Changes(int axis) const;

    std::array<float, 3> m_steps{1.0f, 0.0f, 0.0f};
    float m_rangeMin = 0.0f;
    float m_rangeMax = 1.0f;
    float m_timeBetweenChange = 1.0f;
    float m_timeToChange = 1.0f;
    bool m_changeOverTime = false;
    std::array<bool, 3> m_changeAxis{true, false, false};

    // The change in progress: not in files, and a clone starts without one.
    float m_changeClock = 0.0f;
    bool m_changing = false;
    std::array<float, 3> m_from{};
    std::array<float, 3> m_to{};
};
