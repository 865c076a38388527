#include "gameplay/CheckPointSystem.h"

#include "core/Engine.h"
#include "gameplay/CheckPoint.h"
#include "gameplay/Controller.h"
#include "gameplay/Hud.h"
#include "gameplay/ParticleCue.h"
#include "gameplay/RaceSounds.h"
#include "gameplay/RaceStats.h"
#include "graphics/GraphicsSystem.h"
#include "input/InputSystem.h"
#include "input/VirtualKeyMap.h"
#include "math/GameConstants.h"
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/RigidBody.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float kWrongWayPositions[4][2] = {{-0.5f, 0.6f}, {0.5f, 0.6f}, {-0.5f, -0.4f}, {0.5f, -0.4f}};

bool Touching(const GameObject& gate, const GameObject& racer)
{
    const auto* gateCollider = gate.Get<Collider>(ComponentType::Collider);
    const auto* racerCollider = racer.Get<Collider>(ComponentType::Collider);
    return gateCollider && racerCollider && gateCollider->HasTouched(racerCollider);
}

Hud* HudOf(GameObject& racer)
{
    return racer.Get<Hud>(ComponentType::Hud);
}

bool IsPlayer(int player)
{
    return player >= 0 && player < CheckPointSystem::kPlayers;
}
} // namespace

CheckPointSystem& CheckPointSystem::Instance()
{
    static CheckPointSystem instance;
    return instance;
}

void CheckPointSystem::AddGate(CheckPoint* gate)
{
    const auto lastGates = LastGatePointers();
    m_gates.push_back(gate);
    std::stable_sort(m_gates.begin(), m_gates.end(),
                     [](const CheckPoint* a, const CheckPoint* b)
                     { return a->GetNumber() < b->GetNumber(); });
    RestoreLastGates(lastGates);
}

void CheckPointSystem::RemoveGate(CheckPoint* gate)
{
    // Erased in place: the wanted gate and the lap count rely on the list staying sorted, so a
    // script destroying a gate mid-race must not leave the numbers out of order.
    const auto lastGates = LastGatePointers();
    const auto found = std::find(m_gates.begin(), m_gates.end(), gate);
    if (found != m_gates.end())
        m_gates.erase(found);
    RestoreLastGates(lastGates);
}

std::array<const CheckPoint*, CheckPointSystem::kPlayers> CheckPointSystem::LastGatePointers() const
{
    std::array<const CheckPoint*, kPlayers> gates{};
    for (size_t p = 0; p < gates.size(); ++p)
        if (m_lastGate[p].index >= 0 && m_lastGate[p].index < static_cast<int>(m_gates.size()))
            gates[p] = m_gates[static_cast<size_t>(m_lastGate[p].index)];
    return gates;
}

void CheckPointSystem::RestoreLastGates(const std::array<const CheckPoint*, kPlayers>& lastGates)
{
    for (size_t p = 0; p < lastGates.size(); ++p)
    {
        LastGate& last = m_lastGate[p];
        if (!lastGates[p])
            continue;
        const auto found = std::find(m_gates.begin(), m_gates.end(), lastGates[p]);
        if (found != m_gates.end())
        {
            last.index = static_cast<int>(found - m_gates.begin());
            continue;
        }
        // The racer's last gate is gone: it keeps its number, and its place in the list is the
        // last gate at or below that number, so the next one it wants still exists.
        last.index = -1;
        for (size_t i = 0; i < m_gates.size() && m_gates[i]->GetNumber() <= last.number; ++i)
            last.index = static_cast<int>(i);
    }
}

void CheckPointSystem::ResetProgress()
{
    m_lastGate.fill({});
    m_wrongWay.fill(false);
    m_finishers = -1;
    m_finishPlace.fill(-1);
    m_finishFrame.fill(-1);
    m_lapsDone.fill(0);
    m_sounds.Reset();
}

void CheckPointSystem::StartRace()
{
    CollectRacers();
    ResetProgress();
    m_startFrame = Engine::Get() ? Engine::Get()->FramesRun() : 0;
    m_raceOver = false;
    m_ranking.clear();
    RaceStats::Instance().Reset();
}

void CheckPointSystem::CollectRacers()
{
    m_racerIds.clear();
    for (Component* controller : Logic::Instance().Controllers())
        if (controller->GetOwner())
            m_racerIds.push_back(controller->GetOwner()->GetID());
}

void CheckPointSystem::SetNumberOfLaps(int laps)
{
    m_lapsToRun = laps;
    ResetProgress();
}

void CheckPointSystem::SetLapAmount(int laps)
{
    if (laps != 0)
        SetNumberOfLaps(laps);
    for (GameObject* player : Logic::Instance().GetObjectsByTag(ObjectTag::Player))
        if (Hud* hud = HudOf(*player))
            hud->SetTotalLaps(laps);
}

void CheckPointSystem::ClearFinishPlaces()
{
    m_finishPlace.fill(-1);
    m_finishFrame.fill(-1);
}

void CheckPointSystem::EndRaceNow()
{
    for (size_t place = 0; place < m_ranking.size(); ++place)
        if (IsPlayer(m_ranking[place].player))
            m_finishPlace[static_cast<size_t>(m_ranking[place].player)] = static_cast<int>(place);
    m_finishers = 2;
}

std::vector<GameObject*> CheckPointSystem::LiveRacers() const
{
    // Racers are held by id so a racer destroyed mid-race is simply no longer found.
    std::vector<GameObject*> racers;
    for (unsigned id : m_racerIds)
        if (GameObject* racer = Factory::Instance().FindObject(id))
            if (racer->GetComponent(ComponentType::Controller))
                racers.push_back(racer);
    return racers;
}

int CheckPointSystem::PlayerOf(const GameObject& racer) const
{
    return racer.Get<Controller>(ComponentType::Controller)->GetPlayerIndex();
}

int CheckPointSystem::WantedGate(int player, size_t& searchFrom) const
{
    const LastGate& last = m_lastGate[static_cast<size_t>(player)];
    searchFrom = static_cast<size_t>(last.index + 1);
    if (searchFrom >= m_gates.size())
        searchFrom = 0;
    if (last.index < 0)
        return m_gates.front()->GetNumber();
    // The next number in the list: with gates numbered 1, 2, 3 … that is the last one plus one,
    // and a number missing from the list (a destroyed gate) is skipped rather than waited for.
    const int passed = m_gates[static_cast<size_t>(last.index)]->GetNumber();
    for (auto i = static_cast<size_t>(last.index + 1); i < m_gates.size(); ++i)
        if (m_gates[i]->GetNumber() > passed)
            return m_gates[i]->GetNumber();
    return passed + 1;
}

void CheckPointSystem::PassGates(GameObject& racer, int player)
{
    const auto* body = racer.Get<RigidBody>(ComponentType::RigidBody);
    if (!body)
        return;
    size_t from = 0;
    const int wanted = WantedGate(player, from);
    LastGate& last = m_lastGate[static_cast<size_t>(player)];
    if (last.number >= wanted)
        return;
    for (size_t i = from; i < m_gates.size(); ++i)
    {
        CheckPoint* gate = m_gates[i];
        if (gate->GetNumber() != wanted || !gate->GetOwner() || !Touching(*gate->GetOwner(), racer))
            continue;
        if (body->GetVelocity().Dot(gate->GetFacing()) < kEpsilon)
            continue;
        last = {wanted, static_cast<int>(i)};
        ParticleCue::Play(&racer, "gatepass");
        m_sounds.GatePassed(racer, player, wanted == m_gates.back()->GetNumber());
        return;
    }
}

void CheckPointSystem::CheckWrongWay(GameObject& racer, int player)
{
    size_t from = 0;
    const int wanted = WantedGate(player, from);
    const Vector4 facing = racer.Get<Controller>(ComponentType::Controller)->GetFacing();
    const Vector4 here = Transform::PositionOf(&racer);
    for (size_t i = from; i < m_gates.size(); ++i)
    {
        CheckPoint* gate = m_gates[i];
        if (gate->GetNumber() != wanted || !gate->GetOwner())
            continue;
        const Vector4 there = Transform::PositionOf(gate->GetOwner());
        if (Logic::Instance().IsDebugDraw())
            GraphicsSystem::Instance().DrawLine(here, there, {1, 0, 1, 1});
        const float d = facing.Dot((there - here).Normalized());
        m_wrongWay[static_cast<size_t>(player)] = d < kEpsilon;
        if (!m_wrongWay[static_cast<size_t>(player)])
            return;
    }
}

void CheckPointSystem::DrawWrongWay() const
{
    for (int player = 0; player < kPlayers; ++player)
    {
        if (!m_wrongWay[static_cast<size_t>(player)] || m_finishPlace[static_cast<size_t>(player)] != -1)
            continue;
        const float* at = kWrongWayPositions[player];
        GraphicsSystem::Instance().PrintToScreen("Wrong Way!", at[0], at[1], {30, 0, 0, 0}, {1, 1, 0, 1});
    }
}

void CheckPointSystem::Update()
{
    if (m_gates.empty() || m_raceOver)
        return;
    if (m_finishers >= 2)
    {
        m_raceOver = true;
        for (int& place : m_finishPlace)
            if (place == -1)
                place = 3;
        return;
    }
    const std::vector<GameObject*> racers = LiveRacers();
    m_sounds.BeginFrame(racers, m_ranking.empty() ? -1 : m_ranking.front().player);
    for (GameObject* racer : racers)
    {
        const int player = PlayerOf(*racer);
        if (!IsPlayer(player))
            continue;
        PassGates(*racer, player);
        CheckWrongWay(*racer, player);
        const auto p = static_cast<size_t>(player);
        m_sounds.FollowWrongWay(*racer, player, m_wrongWay[p] && m_finishPlace[p] == -1,
                                Engine::CurrentDeltaTime());
    }
    DrawWrongWay();
}

Vector4 CheckPointSystem::ReferencePoint(size_t gateIndex) const
{
    const CheckPoint* gate = m_gates[gateIndex % m_gates.size()];
    const GameObject* owner = gate->GetOwner();
    const auto* transform = owner ? owner->Get<Transform>(ComponentType::Transform) : nullptr;
    if (!transform)
        return {0, 0, 0, 1};
    // The gate's extent along its facing: the facing is a world direction and the scale is the
    // gate's own, so a turned gate is measured in its own frame (a gate facing along x would
    // otherwise be measured by its width).
    const Vector4& f = gate->GetFacing();
    const Vector4 local = transform->GetRotation().Conjugate().Rotate(f);
    const Vector4& s = transform->GetScale();
    const float depth =
        std::max({std::fabs(local.x) * s.x, std::fabs(local.y) * s.y, std::fabs(local.z) * s.z});
    return transform->GetPosition() - f * depth;
}

void CheckPointSystem::CountLaps(GameObject& racer, int player)
{
    const auto p = static_cast<size_t>(player);
    const bool lapEnds = m_lastGate[p].number == m_gates.back()->GetNumber();
    if (lapEnds)
    {
        ++m_lapsDone[p];
        if (Hud* hud = HudOf(racer))
            hud->LapCompleted();
        m_lastGate[p] = {};
    }
    const bool finishes = m_finishPlace[p] == -1 && m_lapsDone[p] >= m_lapsToRun;
    if (finishes)
    {
        m_finishPlace[p] = ++m_finishers;
        m_finishFrame[p] = Engine::Get() ? Engine::Get()->FramesRun() : 0;
    }
    if (lapEnds)
    {
        ParticleCue::Play(&racer, finishes ? "finishburst" : "lapburst");
        m_sounds.LapCompleted(racer, player, m_lapsDone[p], m_lapsToRun, finishes);
    }
}

float CheckPointSystem::Score(GameObject& racer, int player) const
{
    const auto p = static_cast<size_t>(player);
    if (m_finishPlace[p] != -1)
        return FinishedScore(m_finishPlace[p], m_lapsToRun);
    // A racer with no gate passed this lap is on its way from the finish line (the last gate) to
    // gate 1, so that is the stretch its progress is measured along.
    const bool passedNone = m_lastGate[p].index < 0;
    const size_t current = passedNone ? m_gates.size() - 1 : static_cast<size_t>(m_lastGate[p].index);
    const size_t next = passedNone ? 0 : current + 1;
    return RunningScore(m_lapsDone[p], m_gates.back()->GetNumber(), m_lastGate[p].number,
                        Transform::PositionOf(&racer), ReferencePoint(current), ReferencePoint(next));
}

void CheckPointSystem::TellHuds()
{
    for (size_t place = 0; place < m_ranking.size(); ++place)
        if (GameObject* racer = GetPlayerByPlace(static_cast<int>(place)))
            if (Hud* hud = HudOf(*racer))
                hud->SetPlace(static_cast<int>(place) + 1);
}

void CheckPointSystem::PostUpdate()
{
    if (m_gates.empty() || m_finishers >= 2)
        return;
    std::vector<RankEntry> ranking;
    for (GameObject* racer : LiveRacers())
    {
        const int player = PlayerOf(*racer);
        if (!IsPlayer(player))
            continue;
        CountLaps(*racer, player);
        ranking.push_back({player, Score(*racer, player)});
    }
    // Ties keep player-index order.
    std::sort(ranking.begin(), ranking.end(),
              [](const RankEntry& a, const RankEntry& b) { return a.player < b.player; });
    SortRanking(ranking);
    m_ranking = ranking;
    TellHuds();
    if (InputSystem::Instance().IsKeyTriggered(VirtualKey::kF4))
        EndRaceNow();
}

int CheckPointSystem::GetFinishPlace(int player) const
{
    return IsPlayer(player) ? m_finishPlace[static_cast<size_t>(player)] : -1;
}

long long CheckPointSystem::GetFinishFrame(int player) const
{
    return IsPlayer(player) ? m_finishFrame[static_cast<size_t>(player)] : -1;
}

GameObject* CheckPointSystem::GetPlayerByPlace(int place) const
{
    if (place < 0 || place >= static_cast<int>(m_ranking.size()))
        return nullptr;
    const int player = m_ranking[static_cast<size_t>(place)].player;
    for (GameObject* racer : LiveRacers())
        if (PlayerOf(*racer) == player)
            return racer;
    return nullptr;
}

int CheckPointSystem::GetPlace(int player) const
{
    for (size_t place = 0; place < m_ranking.size(); ++place)
        if (m_ranking[place].player == player)
            return static_cast<int>(place);
    return 0;
}

GameObject* CheckPointSystem::GetLastHitCheckPoint(int player) const
{
    if (!IsPlayer(player) || m_gates.empty())
        return nullptr;
    const int index = m_lastGate[static_cast<size_t>(player)].index;
    if (index < 0 || index >= static_cast<int>(m_gates.size()))
        return nullptr;
    return m_gates[static_cast<size_t>(index)]->GetOwner();
}

int CheckPointSystem::GetLapsDone(int player) const
{
    return IsPlayer(player) ? m_lapsDone[static_cast<size_t>(player)] : 0;
}

bool CheckPointSystem::IsWrongWay(int player) const
{
    return IsPlayer(player) && m_wrongWay[static_cast<size_t>(player)];
}
