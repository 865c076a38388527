#include "states/SoundVolumes.h"

#include "sound/SoundSystem.h"
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
    const GameSettings& settings = GameSettings::Instance();
    SoundSystem& sound = SoundSystem::Instance();
    sound.SetMasterVolume(settings.GetMasterVolume());
    sound.SetEffectsVolume(settings.GetEffectsVolume());
    sound.SetMusicVolume(settings.GetMusicVolume());
}
