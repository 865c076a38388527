#pragma once

#include <cstdint>

/// A monotonic time source; the frame controller reads it so tests can replace real time.
class Clock
{
  public:
    virtual ~Clock() = default;
    /// Monotonic time in nanoseconds.
    virtual int64_t Now() = 0;
    /// Blocks for about `nanoseconds` (may wake a little late).
    virtual void SleepFor(int64_t nanoseconds) = 0;
    /// Ticks per second of Now().
    static constexpr int64_t kFrequency = 1'000'000'000;
};

/// std::chrono::steady_clock and std::this_thread::sleep_for.
class SteadyClock final : public Clock
{
  public:
    int64_t Now() override;
    void SleepFor(int64_t nanoseconds) override;
    /// The process-wide instance.
    static SteadyClock& Instance();
};
