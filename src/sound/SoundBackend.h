#pragma once

#include <string>

/// One playing effect as the backend knows it: a channel and the start that took it, so a
/// channel reused by a later effect is not mistaken for this one.
struct SoundVoice
{
    int channel = -1;
    unsigned generation = 0;
};

/// What the sound system asks of the thing that makes the noise. The system keeps all the
/// bookkeeping (instances, volumes, ducking, focus) itself, so a backend with no device serves
/// tests and the runner as well as a real one serves the game. Volumes are final levels, 0..1.
class SoundBackend
{
  public:
    virtual ~SoundBackend() = default;

    /// Prepares the file at `path` (decoded for an effect, opened for streaming for music); its
    /// sound id, or -1 with the reason in `error`.
    virtual int LoadSound(const std::string& path, bool music, std::string& error) = 0;
    /// Starts an effect; false when nothing could be started.
    virtual bool StartEffect(int sound, float volume, bool loop, SoundVoice& voice) = 0;
    /// Stops an effect at once.
    virtual void StopEffect(const SoundVoice& voice) = 0;
    /// Changes the level of a playing effect.
    virtual void SetEffectVolume(const SoundVoice& voice, float volume) = 0;
    /// Pauses or resumes an effect.
    virtual void PauseEffect(const SoundVoice& voice, bool paused) = 0;
    /// Whether the effect is still playing (paused counts as playing).
    virtual bool IsEffectPlaying(const SoundVoice& voice) const = 0;
    /// Fades the current music out and starts `sound` as the only music.
    virtual void StartMusic(int sound, float volume, bool loop) = 0;
    /// Changes the level of the music.
    virtual void SetMusicVolume(float volume) = 0;
    /// Pauses or resumes the music.
    virtual void PauseMusic(bool paused) = 0;
    /// Once per frame: work that waits for time to pass.
    virtual void Update() {}
};
