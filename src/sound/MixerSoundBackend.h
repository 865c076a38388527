#pragma once

#include "sound/SoundBackend.h"

#include <memory>
#include <vector>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

/// The backend that plays through SDL2_mixer: effects decoded once into chunks and played on a
/// fixed set of channels, music streamed, one at a time.
class MixerSoundBackend final : public SoundBackend
{
  public:
    /// Opens SDL's audio and the mixer; null, after one line saying why, when there is no device.
    static std::unique_ptr<MixerSoundBackend> Open(int channels);
    ~MixerSoundBackend() override;
    MixerSoundBackend(const MixerSoundBackend&) = delete;
    MixerSoundBackend& operator=(const MixerSoundBackend&) = delete;

    int LoadSound(const std::string& path, bool music, std::string& error) override;
    bool StartEffect(int sound, float volume, bool loop, SoundVoice& voice) override;
    void StopEffect(const SoundVoice& voice) override;
    void SetEffectVolume(const SoundVoice& voice, float volume) override;
    void PauseEffect(const SoundVoice& voice, bool paused) override;
    bool IsEffectPlaying(const SoundVoice& voice) const override;
    void StartMusic(int sound, float volume, bool loop) override;
    void SetMusicVolume(float volume) override;
    void PauseMusic(bool paused) override;
    /// Starts the music that waits for the previous one to finish fading.
    void Update() override;

  private:
    struct Sound
    {
        Mix_Chunk* chunk = nullptr;
        Mix_Music* music = nullptr;
    };
    struct PendingMusic
    {
        int sound = -1;
        float volume = 1.0f;
        bool loop = true;
    };

    explicit MixerSoundBackend(int channels);
    bool Owns(const SoundVoice& voice) const;
    void PlayMusicNow(const PendingMusic& music);

    std::vector<Sound> m_sounds;
    std::vector<unsigned> m_generations;
    unsigned m_starts = 0;
    PendingMusic m_pending;
    bool m_musicPaused = false;
};
