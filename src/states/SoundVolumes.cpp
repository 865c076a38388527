#include "states/SoundVolumes.h"

#include "states/GameSettings.h"

float SoundVolumes::GetEffects()
{
    return GameSettings::Instance().GetEffectsVolume();
}

float SoundVolumes::GetMusic()
{
    return GameSettings::Instance().GetMusicVolume();
}

void SoundVolumes::SetEffects(float volume)
{
    GameSettings::Instance().SetEffectsVolume(volume);
    Apply();
}

void SoundVolumes::SetMusic(float volume)
{
    GameSettings::Instance().SetMusicVolume(volume);
    Apply();
}

void SoundVolumes::Apply()
{
    // The sound system has no volume setters yet: SetMasterVolume, SetEffectsVolume and
    // SetMusicVolume of SoundSystem::Instance() take GameSettings' three volumes here once it has.
}
