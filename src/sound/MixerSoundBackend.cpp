#include "sound/MixerSoundBackend.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdio>

namespace
{
// The fading stop of a replaced music: short, so the new theme starts without a gap to notice.
constexpr int kMusicFadeMs = 300;

int MixerLevel(float volume)
{
    return static_cast<int>(std::lround(volume * MIX_MAX_VOLUME));
}
} // namespace

std::unique_ptr<MixerSoundBackend> MixerSoundBackend::Open(int channels)
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
    {
        std::printf("Sound: no audio device (%s); the game runs silent\n", SDL_GetError());
        return nullptr;
    }
    Mix_Init(MIX_INIT_OGG);
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0)
    {
        std::printf("Sound: no audio device (%s); the game runs silent\n", Mix_GetError());
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    return std::unique_ptr<MixerSoundBackend>(new MixerSoundBackend(channels));
}

MixerSoundBackend::MixerSoundBackend(int channels)
{
    m_generations.assign(static_cast<size_t>(Mix_AllocateChannels(channels)), 0);
}

MixerSoundBackend::~MixerSoundBackend()
{
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (const Sound& sound : m_sounds)
    {
        if (sound.chunk)
            Mix_FreeChunk(sound.chunk);
        if (sound.music)
            Mix_FreeMusic(sound.music);
    }
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int MixerSoundBackend::LoadSound(const std::string& path, bool music, std::string& error)
{
    Sound sound;
    if (music)
        sound.music = Mix_LoadMUS(path.c_str());
    else
        sound.chunk = Mix_LoadWAV(path.c_str());
    if (!sound.music && !sound.chunk)
    {
        error = Mix_GetError();
        return -1;
    }
    m_sounds.push_back(sound);
    return static_cast<int>(m_sounds.size()) - 1;
}

bool MixerSoundBackend::Owns(const SoundVoice& voice) const
{
    return voice.channel >= 0 && static_cast<size_t>(voice.channel) < m_generations.size() &&
           m_generations[static_cast<size_t>(voice.channel)] == voice.generation;
}

bool MixerSoundBackend::StartEffect(int sound, float volume, bool loop, SoundVoice& voice)
{
    if (sound < 0 || static_cast<size_t>(sound) >= m_sounds.size() ||
        !m_sounds[static_cast<size_t>(sound)].chunk)
        return false;
    const int channel = Mix_PlayChannel(-1, m_sounds[static_cast<size_t>(sound)].chunk, loop ? -1 : 0);
    if (channel < 0 || static_cast<size_t>(channel) >= m_generations.size())
        return false;
    Mix_Volume(channel, MixerLevel(volume));
    voice = {channel, ++m_starts};
    m_generations[static_cast<size_t>(channel)] = voice.generation;
    return true;
}

void MixerSoundBackend::StopEffect(const SoundVoice& voice)
{
    if (Owns(voice))
        Mix_HaltChannel(voice.channel);
}

void MixerSoundBackend::SetEffectVolume(const SoundVoice& voice, float volume)
{
    if (Owns(voice))
        Mix_Volume(voice.channel, MixerLevel(volume));
}

void MixerSoundBackend::PauseEffect(const SoundVoice& voice, bool paused)
{
    if (!Owns(voice))
        return;
    if (paused)
        Mix_Pause(voice.channel);
    else
        Mix_Resume(voice.channel);
}

bool MixerSoundBackend::IsEffectPlaying(const SoundVoice& voice) const
{
    return Owns(voice) && Mix_Playing(voice.channel) != 0;
}

void MixerSoundBackend::StartMusic(int sound, float volume, bool loop)
{
    if (sound < 0 || static_cast<size_t>(sound) >= m_sounds.size() ||
        !m_sounds[static_cast<size_t>(sound)].music)
        return;
    m_pending = {sound, volume, loop};
    // The mixer has one music stream, and starting a new one while the old fades would block this
    // thread until the fade ends; the new music starts in Update once the old one is gone.
    if (Mix_PlayingMusic() && !m_musicPaused)
    {
        if (Mix_FadingMusic() != MIX_FADING_OUT)
            Mix_FadeOutMusic(kMusicFadeMs);
        return;
    }
    Mix_HaltMusic();
    PlayMusicNow(m_pending);
}

void MixerSoundBackend::PlayMusicNow(const PendingMusic& music)
{
    Mix_VolumeMusic(MixerLevel(music.volume));
    Mix_PlayMusic(m_sounds[static_cast<size_t>(music.sound)].music, music.loop ? -1 : 1);
    if (m_musicPaused)
        Mix_PauseMusic();
    m_pending = {};
}

void MixerSoundBackend::SetMusicVolume(float volume)
{
    if (m_pending.sound >= 0)
        m_pending.volume = volume;
    else
        Mix_VolumeMusic(MixerLevel(volume));
}

void MixerSoundBackend::PauseMusic(bool paused)
{
    m_musicPaused = paused;
    if (paused)
        Mix_PauseMusic();
    else
        Mix_ResumeMusic();
}

void MixerSoundBackend::Update()
{
    if (m_pending.sound >= 0 && !Mix_PlayingMusic())
        PlayMusicNow(m_pending);
}
