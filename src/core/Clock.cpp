#include "core/Clock.h"

#include <chrono>
#include <thread>

int64_t SteadyClock::Now()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

void SteadyClock::SleepFor(int64_t nanoseconds)
{
    std::this_thread::sleep_for(std::chrono::nanoseconds(nanoseconds));
}

SteadyClock& SteadyClock::Instance()
{
    static SteadyClock clock;
    return clock;
}
