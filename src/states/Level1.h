#pragma once

#include "states/GameState.h"
#include "states/RacePause.h"

#include <string>

/// The race: loads the chosen track, starts the race systems and pauses on request or when a
/// person's pad is pulled out.
class Level1 final : public GameState
{
  public:
    void Enter() override;
    void Update() override;
    /// Unloads the track.
    void Exit() override;

    /// The track scene for a track index: a random real track for the last (random) entry, and
    /// "watertrack" for an index the track list does not have.
    static std::string LevelNameFor(int trackIndex);
    /// Loads `scene` as a race into object list 0: split screen, gates, race line, and each
    /// racer's element with its look. The tutorial's level is loaded the same way.
    static void LoadRaceScene(const std::string& scene);

  private:
    RacePause m_pause{true};
};
