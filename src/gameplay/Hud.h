#pragma once

#include "gameplay/Label.h"
#include "math/Vector4.h"
#include "objects/Component.h"

#include <memory>
#include <string>
#include <vector>

/// A racer's lap counter, "Final Lap" warning and place, in its player's quarter of the screen.
class Hud final : public Component
{
  public:
    Hud() : Component(ComponentType::Hud) {}
    ~Hud() override;

    /// The next lap, never beyond the total.
    void LapCompleted();
    void SetTotalLaps(int laps);
    /// 1-based place with its suffix ("1st", "2nd" ...).
    void SetPlace(int place);
    int GetLap() const { return m_lap; }
    int GetTotalLaps() const { return m_totalLaps; }
    const std::string& GetLapText() const { return m_lapText; }
    const std::string& GetPlaceText() const { return m_placeText; }
    /// Seconds raced since the racer was let go.
    float GetRaceSeconds() const { return m_raceSeconds; }
    /// The race clock's text: minutes, seconds and tenths ("1:05.3").
    static std::string FormatClock(float seconds);

    void Initialize() override;
    /// Queues the texts when split screen is on and the racer is still racing; true when it drew.
    bool Update() override;
    /// The editor offset; lap and place are the race's, not the file's.
    const ComponentFields* Fields() const override;

  private:
    void RebuildLapText();
    void RunClock();
    int Player() const;

    std::vector<std::unique_ptr<Label>> m_labels;
    int m_lap = 1;
    int m_totalLaps = 1;
    std::string m_lapText;
    std::string m_placeText;
    Vector4 m_offset;
    float m_raceSeconds = 0.0f;
    bool m_registered = false;
};
