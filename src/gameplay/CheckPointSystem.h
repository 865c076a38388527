#pragma once

#include "core/EmptySystem.h"
#include "gameplay/RaceRanking.h"
#include "gameplay/RaceSounds.h"

#include <array>
#include <vector>

class CheckPoint;
class GameObject;

/// Counts each racer's gates and laps in order, decides finishing places, ranks the racers still
/// running and tells their HUDs; writes "Wrong Way!" for racers facing away from their next gate.
class CheckPointSystem final : public EmptySystem
{
  public:
    static constexpr int kPlayers = 4;

    static CheckPointSystem& Instance();

    /// Gate passing, wrong-way detection and the end of the race.
    void Update() override;
    /// Laps, finishing places and the ranking.
    void PostUpdate() override;

    /// Appends a gate and keeps the list sorted by number.
    void AddGate(CheckPoint* gate);
    void RemoveGate(CheckPoint* gate);
    const std::vector<CheckPoint*>& Gates() const { return m_gates; }

    /// Collects the racers (objects with a Controller) and resets every race record.
    void StartRace();
    /// Takes the objects with a Controller as the racers, keeping places and ranking (the result
    /// screen's balls stand in for the racers of the race that ended).
    void CollectRacers();
    /// Sets the laps and resets all progress.
    void SetNumberOfLaps(int laps);
    /// SetNumberOfLaps (0 ignored) and tells every HUD the lap count.
    void SetLapAmount(int laps);
    void ClearFinishPlaces();
    /// Every player's place becomes its ranking position; the race ends at the next update.
    void EndRaceNow();

    /// 0-based finishing place of the player, -1 while racing or out of range.
    int GetFinishPlace(int player) const;
    /// The frame on which the player finished, -1 while racing.
    long long GetFinishFrame(int player) const;
    bool IsRaceOver() const { return m_raceOver; }
    /// The racer at ranking position `place` (0 = leader), or null.
    GameObject* GetPlayerByPlace(int place) const;
    /// The player's 0-based ranking position; 0 when it is not ranked.
    int GetPlace(int player) const;
    /// The object of the last gate the player passed this lap, or null.
    GameObject* GetLastHitCheckPoint(int player) const;
    int GetLapsToRun() const { return m_lapsToRun; }
    int GetLapsDone(int player) const;
    bool IsWrongWay(int player) const;
    const std::vector<RankEntry>& Ranking() const { return m_ranking; }
    /// The engine frame StartRace ran in; finish frames less this are the same on every run.
    long long GetRaceStartFrame() const { return m_startFrame; }

  private:
    struct LastGate
    {
        int number = 0;
        int index = -1;
    };

    CheckPointSystem() = default;
    void ResetProgress();
    std::vector<GameObject*> LiveRacers() const;
    int PlayerOf(const GameObject& racer) const;
    int WantedGate(int player, size_t& searchFrom) const;
    /// The gate each player passed last, so its list position can be found again after the
    /// list changes.
    std::array<const CheckPoint*, kPlayers> LastGatePointers() const;
    void RestoreLastGates(const std::array<const CheckPoint*, kPlayers>& lastGates);
    void PassGates(GameObject& racer, int player);
    void CheckWrongWay(GameObject& racer, int player);
    void DrawWrongWay() const;
    void CountLaps(GameObject& racer, int player);
    float Score(GameObject& racer, int player) const;
    Vector4 ReferencePoint(size_t gateIndex) const;
    void TellHuds();

    bool m_raceOver = false;
    long long m_startFrame = 0;
    int m_finishers = -1;
    std::array<bool, kPlayers> m_wrongWay{};
    std::vector<unsigned> m_racerIds;
    std::array<int, kPlayers> m_finishPlace{-1, -1, -1, -1};
    std::array<long long, kPlayers> m_finishFrame{-1, -1, -1, -1};
    std::vector<RankEntry> m_ranking;
    int m_lapsToRun = 1;
    std::array<LastGate, kPlayers> m_lastGate{};
    std::array<int, kPlayers> m_lapsDone{};
    std::vector<CheckPoint*> m_gates;
    RaceSounds m_sounds;
};
