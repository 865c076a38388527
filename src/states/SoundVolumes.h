#pragma once

/// The volumes the options screen reads and changes. The saved settings hold them; every change
/// is also handed to the sound system here, the one place that knows how the sound system takes
/// its volumes.
class SoundVolumes
{
  public:
    static float GetEffects();
    static float GetMusic();
    /// Stores, saves and applies the effects volume (0..1).
    static void SetEffects(float volume);
    /// Stores, saves and applies the music volume (0..1).
    static void SetMusic(float volume);
    /// Hands the saved volumes to the sound system (at start and after every change).
    static void Apply();
};
