#include "core/FrameRateController.h"

#include "core/Clock.h"

namespace
{
// Sleep until about this long before the deadline, then spin: the sleep frees the core and the
// spin keeps the pacing exact despite the scheduler's late wake-ups.
constexpr int64_t kSpinWindowNs = 1'000'000;
} // namespace

FrameRateController::FrameRateController(Clock* clock)
    : m_clock(clock ? *clock : SteadyClock::Instance()), m_frequency(Clock::kFrequency),
      m_frameStart(m_clock.Now()), m_frameNow(m_frameStart)
{
}

void FrameRateController::SetFrameRate(unsigned framesPerSecond)
{
    if (framesPerSecond == 0)
        return;
    m_targetFrameTime = 1.0f / static_cast<float>(framesPerSecond);
}

void FrameRateController::StartFrame()
{
    m_frameStart = m_clock.Now();
}

float FrameRateController::MeasureFrame()
{
    m_frameNow = m_clock.Now();
    const auto ticks = static_cast<float>(static_cast<double>(m_frameNow - m_frameStart));
    return ticks / static_cast<float>(static_cast<double>(m_frequency));
}

void FrameRateController::EndFrame()
{
    if (m_fixedDt)
    {
        m_dt = *m_fixedDt;
        return;
    }
    for (;;)
    {
        m_dt = MeasureFrame();
        if (!(m_targetFrameTime > m_dt))
            return;
        const auto remainingNs = static_cast<int64_t>((m_targetFrameTime - m_dt) * 1e9);
        if (remainingNs > kSpinWindowNs)
            m_clock.SleepFor(remainingNs - kSpinWindowNs);
    }
}
