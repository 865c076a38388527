#include "app/RaceWatch.h"

#include "gameplay/CheckPointSystem.h"

RaceWatch::RaceWatch(float secondsPerFrame) : m_secondsPerFrame(secondsPerFrame) {}

void RaceWatch::AfterFrame()
{
    if (CheckPointSystem::Instance().Gates().empty())
        return;
    std::optional<RaceReport> race = SimReport::CaptureRace();
    if (!race)
        return;
    for (int player = 0; player < 4; ++player)
        if (race->racing[static_cast<size_t>(player)] &&
            race->finishPlaces[static_cast<size_t>(player)] == -1)
            FollowRacer(player);
    race->stuck = m_stuck;
    m_race = std::move(race);
}

void RaceWatch::FollowRacer(int player)
{
    const CheckPointSystem& system = CheckPointSystem::Instance();
    const auto p = static_cast<size_t>(player);
    const GameObject* gate = system.GetLastHitCheckPoint(player);
    const int laps = system.GetLapsDone(player);
    if (gate != m_lastGate[p] || laps != m_lastLaps[p])
    {
        m_lastGate[p] = gate;
        m_lastLaps[p] = laps;
        m_sinceGate[p] = 0.0f;
        return;
    }
    m_sinceGate[p] += m_secondsPerFrame;
    // Each further stretch as long counts again, so a racer stuck for good is seen as such.
    if (m_sinceGate[p] >= kStuckSeconds)
    {
        ++m_stuck[p];
        m_sinceGate[p] = 0.0f;
    }
}
