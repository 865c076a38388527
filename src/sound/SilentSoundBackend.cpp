#include "sound/SilentSoundBackend.h"

#include <algorithm>
#include <filesystem>

int SilentSoundBackend::LoadSound(const std::string& path, bool /*music*/, std::string& error)
{
    std::error_code code;
    if (!std::filesystem::is_regular_file(path, code))
    {
        error = "no such file";
        return -1;
    }
    return m_sounds++;
}

bool SilentSoundBackend::StartEffect(int sound, float /*volume*/, bool loop, SoundVoice& voice)
{
    if (sound < 0 || sound >= m_sounds)
        return false;
    voice = {0, ++m_starts};
    if (loop)
        m_looping.push_back(voice.generation);
    return true;
}

void SilentSoundBackend::StopEffect(const SoundVoice& voice)
{
    std::erase(m_looping, voice.generation);
}

bool SilentSoundBackend::IsEffectPlaying(const SoundVoice& voice) const
{
    return std::find(m_looping.begin(), m_looping.end(), voice.generation) != m_looping.end();
}
