#pragma once

#include "math/Vector4.h"

/// A countdown with pause and reset that can show its time on screen.
class Timer
{
  public:
    /// 10 seconds, paused, not shown.
    Timer() = default;

    void Reset() { m_remaining = m_total; }
    void Pause() { m_paused = true; }
    void Resume() { m_paused = false; }
    bool IsPaused() const { return m_paused; }
    bool IsFinished() const { return m_remaining <= 0.0f; }
    float GetRemaining() const { return m_remaining; }
    /// Total and remaining both become `seconds`.
    void SetDuration(float seconds) { m_total = m_remaining = seconds; }
    /// Places the timer and sets its duration; white, font size 15.
    void Setup(const Vector4& position, int minutes, float seconds, bool paused, bool shown);
    bool IsShown() const { return m_shown; }
    void SetShown(bool shown) { m_shown = shown; }

    /// Counts down by the engine's frame time and queues its text when shown.
    void Update();
    /// Counts down by `dt` (not below 0) and queues its text when shown.
    void Update(float dt);
    /// The on-screen text for `remaining` seconds: "m : ss" from a minute on, else "%2.0f".
    static void Format(float remaining, char* out, int size);

  private:
    float m_total = 10.0f;
    float m_remaining = 10.0f;
    bool m_paused = true;
    bool m_shown = false;
    Vector4 m_size{15, 30, 0, 0};
    Vector4 m_colour{1, 1, 1, 1};
    Vector4 m_position{0, 0.8f, 0, 1};
};
