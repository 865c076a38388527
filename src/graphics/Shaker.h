#pragma once

#include "math/Vector4.h"

/// Camera shake: a magnitude that decays every frame while its countdown runs.
class Shaker
{
  public:
    /// Starts a shake: `magnitude` now, less `decay` each frame, for `duration` seconds.
    void Shake(float magnitude, float decay, float duration);
    /// Restarts the countdown and the magnitude; the pause state stays.
    void Reset();
    void Pause(bool paused) { m_paused = paused; }
    bool IsShaking() const;
    /// The displacement for this frame (zero when not shaking), advancing the shake by `dt`.
    Vector4 Step(float dt);
    float GetMagnitude() const { return m_current; }

  private:
    float m_initial = 0.0f;
    float m_current = 0.0f;
    float m_decay = 1.0f;
    float m_duration = 0.0f;
    float m_remaining = 0.0f;
    bool m_paused = false;
};
