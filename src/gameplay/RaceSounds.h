#pragma once

#include <array>
#include <vector>

class GameObject;

/// The sounds of the race's rules: gates, laps, the final lap, the finish and "Wrong Way!". A
/// player hears their own racer; with no person in the race (Autoplay) the leader is heard, so
/// four computer racers sound like one race instead of four overlapping ones. Every racer's finish
/// is heard: finishes are few and each one matters.
class RaceSounds
{
  public:
    /// How long "Wrong Way!" must have been gone before its warning may sound again, so a racer
    /// wobbling about the threshold does not repeat it.
    static constexpr float kWrongWayQuiet = 2.0f;

    /// Before the racers of a frame are looked at: who is racing and who leads (-1 when unknown).
    void BeginFrame(const std::vector<GameObject*>& racers, int leader);
    /// Whether this racer's gates, laps and warnings are heard.
    bool IsHeard(const GameObject& racer, int player) const;
    /// A gate was passed; the gate that ends a lap is left to the lap's own sound.
    void GatePassed(const GameObject& racer, int player, bool endsLap) const;
    /// A lap was completed: the finish, the start of the final lap, or a lap.
    void LapCompleted(const GameObject& racer, int player, int lapsDone, int lapsToRun, bool finished) const;
    /// Each frame per racer: whether "Wrong Way!" shows for it; sounds when it starts showing.
    void FollowWrongWay(const GameObject& racer, int player, bool shown, float dt);
    /// A new race: nothing shows.
    void Reset();

  private:
    bool m_anyPerson = false;
    int m_leader = -1;
    std::array<bool, 4> m_wrongWayShown{};
    std::array<float, 4> m_sinceWrongWay{kWrongWayQuiet, kWrongWayQuiet, kWrongWayQuiet, kWrongWayQuiet};
};
