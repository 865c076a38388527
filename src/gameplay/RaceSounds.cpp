#include "gameplay/RaceSounds.h"

#include "gameplay/Controller.h"
#include "objects/GameObject.h"
#include "sound/SoundSystem.h"

namespace
{
bool DrivenByPerson(const GameObject& racer)
{
    const auto* controller = racer.Get<Controller>(ComponentType::Controller);
    return controller && !controller->IsComputer();
}

bool IsPlayer(int player)
{
    return player >= 0 && player < 4;
}
} // namespace

void RaceSounds::BeginFrame(const std::vector<GameObject*>& racers, int leader)
{
    m_anyPerson = false;
    for (const GameObject* racer : racers)
        m_anyPerson = m_anyPerson || DrivenByPerson(*racer);
    m_leader = leader;
}

bool RaceSounds::IsHeard(const GameObject& racer, int player) const
{
    return m_anyPerson ? DrivenByPerson(racer) : player == m_leader;
}

void RaceSounds::GatePassed(const GameObject& racer, int player, bool endsLap) const
{
    if (!endsLap && IsHeard(racer, player))
        SoundSystem::Instance().Play("SFX/Gate");
}

void RaceSounds::LapCompleted(const GameObject& racer, int player, int lapsDone, int lapsToRun,
                              bool finished) const
{
    if (finished)
        SoundSystem::Instance().Play("SFX/Finish");
    else if (IsHeard(racer, player))
        SoundSystem::Instance().Play(lapsDone + 1 == lapsToRun ? "SFX/FinalLap" : "SFX/Lap");
}

void RaceSounds::FollowWrongWay(const GameObject& racer, int player, bool shown, float dt)
{
    if (!IsPlayer(player))
        return;
    const auto p = static_cast<size_t>(player);
    if (shown && !m_wrongWayShown[p] && m_sinceWrongWay[p] >= kWrongWayQuiet && IsHeard(racer, player))
        SoundSystem::Instance().Play("SFX/WrongWay");
    if (shown)
        m_sinceWrongWay[p] = 0.0f;
    else if (m_sinceWrongWay[p] < kWrongWayQuiet)
        m_sinceWrongWay[p] += dt;
    m_wrongWayShown[p] = shown;
}

void RaceSounds::Reset()
{
    m_wrongWayShown.fill(false);
    m_sinceWrongWay.fill(kWrongWayQuiet);
}
