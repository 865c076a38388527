#pragma once

#include "sound/SoundBackend.h"

#include <vector>

/// A backend with no device: files are checked to exist but nothing is decoded or heard. A
/// looping effect plays until it is stopped; any other one counts as over by the next clean-up.
class SilentSoundBackend final : public SoundBackend
{
  public:
    int LoadSound(const std::string& path, bool music, std::string& error) override;
    bool StartEffect(int sound, float volume, bool loop, SoundVoice& voice) override;
    void StopEffect(const SoundVoice& voice) override;
    void SetEffectVolume(const SoundVoice& /*voice*/, float /*volume*/) override {}
    void PauseEffect(const SoundVoice& /*voice*/, bool /*paused*/) override {}
    bool IsEffectPlaying(const SoundVoice& voice) const override;
    void StartMusic(int /*sound*/, float /*volume*/, bool /*loop*/) override {}
    void SetMusicVolume(float /*volume*/) override {}
    void PauseMusic(bool /*paused*/) override {}

  private:
    int m_sounds = 0;
    unsigned m_starts = 0;
    /// The generations of the looping effects still playing; their number is bounded by the
    /// system's cap on instances.
    std::vector<unsigned> m_looping;
};
