#pragma once

/// The runner's stand-in for the level scripts: when a race screen opens it sets three laps,
/// holds the racers for a one-second start, releases them, and ends the run a second after the
/// race is over.
class RaceStarter
{
public:
    static constexpr int kLaps = 3;
    static constexpr long long kStartFrames = 60;
    static constexpr long long kFinishFrames = 60;

    /// Called before every frame with the number of frames run so far.
    void BeforeFrame(long long frame);
    bool HasReleased() const { return m_releaseFrame >= 0; }

private:
    long long m_raceFrame = -1;
    long long m_releaseFrame = -1;
    long long m_overFrame = -1;
};
