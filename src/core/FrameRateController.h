#pragma once

#include <cstdint>
#include <optional>

class Clock;

/// Caps the frame rate and measures the frame time `dt` that all time-based code reads.
class FrameRateController
{
  public:
    /// Uses the steady clock unless another is given (tests pass a fake one).
    explicit FrameRateController(Clock* clock = nullptr);

    /// The minimum frame length becomes 1 / framesPerSecond.
    void SetFrameRate(unsigned framesPerSecond);
    /// Marks the start of a frame.
    void StartFrame();
    /// Waits until the frame has lasted the target time, then sets dt to its length.
    void EndFrame();
    /// The length of the last completed frame in seconds; never clamped.
    float GetDeltaTime() const { return m_dt; }
    /// Overwrites dt until the next EndFrame measures again.
    void SetDeltaTime(float dt) { m_dt = dt; }
    /// With a value, frames run back to back and every EndFrame sets dt to it (the runner's --dt).
    void SetFixedDeltaTime(std::optional<float> dt) { m_fixedDt = dt; }
    float GetTargetFrameTime() const { return m_targetFrameTime; }

  private:
    float MeasureFrame();

    Clock& m_clock;
    float m_targetFrameTime = 1.0f / 60.0f;
    int64_t m_frequency;
    int64_t m_frameStart;
    int64_t m_frameNow;
    float m_dt = 1.0f / 60.0f;
    std::optional<float> m_fixedDt;
};
