#include "sound/SoundSystem.h"

#include "core/ResourcePaths.h"
#include "core/WindowManager.h"
#include "sound/MixerSoundBackend.h"
#include "sound/SilentSoundBackend.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
constexpr std::string_view kErrorEvent = "Error";
// While the game is paused everything plays at a quarter of the master volume.
constexpr float kDuckingFactor = 0.25f;

float Clamped(float volume)
{
    return std::clamp(volume, 0.0f, 1.0f);
}
} // namespace

SoundSystem& SoundSystem::Instance()
{
    static SoundSystem instance;
    return instance;
}

SoundSystem::~SoundSystem()
{
    Shutdown();
}

void SoundSystem::Init()
{
    Start(std::string(ResourcePaths::kAudio) + "bank.xml");
}

void SoundSystem::Start(const std::string& manifestPath)
{
    Shutdown();
    if (!m_silent)
        m_backend = MixerSoundBackend::Open(static_cast<int>(kMaxEffects));
    m_hasDevice = m_backend != nullptr;
    if (!m_backend)
        m_backend = std::make_unique<SilentSoundBackend>();
    m_bank.Load(manifestPath);
    LoadSounds();
}

void SoundSystem::LoadSounds()
{
    m_sounds.assign(m_bank.Events().size(), {});
    for (size_t i = 0; i < m_bank.Events().size(); ++i)
    {
        const SoundEvent& event = m_bank.Events()[i];
        for (const std::string& file : event.files)
        {
            std::string error;
            const int sound = m_backend->LoadSound(m_bank.Folder() + file, event.music, error);
            if (sound >= 0)
                m_sounds[i].push_back(sound);
            else
                std::printf("Sound bank: event '%s' cannot load '%s' (%s)%s\n", event.path.c_str(),
                            file.c_str(), error.c_str(),
                            event.files.size() > 1 ? "" : "; it plays \"Error\"");
        }
    }
}

void SoundSystem::Shutdown()
{
    m_effects.clear();
    m_musicEvent = -1;
    m_sounds.clear();
    m_backend.reset();
    m_hasDevice = false;
}

void SoundSystem::CountPlay(std::string_view path)
{
    if (path.size() > SoundBank::kMaxPathLength)
        path = path.substr(0, SoundBank::kMaxPathLength);
    if (const auto found = m_playCounts.find(path); found != m_playCounts.end())
    {
        ++found->second;
        return;
    }
    if (m_playCounts.size() < kMaxCountedPaths)
        m_playCounts.emplace(std::string(path), 1);
    else if (!m_countsFull)
    {
        std::printf("Sound: more than %zu different event paths asked for; new ones are not counted\n",
                    kMaxCountedPaths);
        m_countsFull = true;
    }
}

int SoundSystem::PlayableEvent(std::string_view path) const
{
    // An event whose files all failed to load is as good as missing: the audible error plays.
    const int event = m_bank.Find(path);
    if (event >= 0 && static_cast<size_t>(event) < m_sounds.size() &&
        !m_sounds[static_cast<size_t>(event)].empty())
        return event;
    return -1;
}

int SoundSystem::PickSound(int event)
{
    const std::vector<int>& sounds = m_sounds[static_cast<size_t>(event)];
    if (sounds.size() == 1)
        return sounds.front();
    // xorshift32: cheap, and independent of the game's random sequence.
    m_variationState ^= m_variationState << 13;
    m_variationState ^= m_variationState >> 17;
    m_variationState ^= m_variationState << 5;
    return sounds[m_variationState % sounds.size()];
}

void SoundSystem::Play(std::string_view path)
{
    CountPlay(path);
    if (!m_backend)
        return;
    int event = PlayableEvent(path);
    if (event < 0)
        event = PlayableEvent(kErrorEvent);
    if (event < 0)
        return;
    const int sound = PickSound(event);
    if (m_bank.Events()[static_cast<size_t>(event)].music)
        StartMusic(event, sound);
    else
        StartEffect(event, sound);
}

void SoundSystem::StartEffect(int event, int sound)
{
    if (m_effects.size() >= kMaxEffects)
    {
        // Dropping the oldest keeps the newest sounds, which are the ones that match the picture.
        m_backend->StopEffect(m_effects.front().voice);
        m_effects.erase(m_effects.begin());
    }
    const SoundEvent& data = m_bank.Events()[static_cast<size_t>(event)];
    EffectInstance instance{event, {}};
    if (m_backend->StartEffect(sound, data.volume * m_effectsVolume * m_masterVolume, data.loop,
                               instance.voice))
        m_effects.push_back(instance);
}

void SoundSystem::StartMusic(int event, int sound)
{
    const SoundEvent& data = m_bank.Events()[static_cast<size_t>(event)];
    m_musicEvent = event;
    m_backend->StartMusic(sound, data.volume * m_musicVolume * m_masterVolume, data.loop);
}

void SoundSystem::StopAllEffects()
{
    if (m_backend)
        for (const EffectInstance& instance : m_effects)
            m_backend->StopEffect(instance.voice);
    m_effects.clear();
}

void SoundSystem::PauseAll(bool paused)
{
    if (!m_backend)
        return;
    for (const EffectInstance& instance : m_effects)
        m_backend->PauseEffect(instance.voice, paused);
    if (m_musicEvent >= 0)
        m_backend->PauseMusic(paused);
}

void SoundSystem::SetMasterVolume(float volume)
{
    if (std::isnan(volume))
        return;
    // A change made while ducked (muting from the pause menu's options) is the level to come back
    // to; otherwise leaving the pause would undo it.
    if (m_ducked)
    {
        m_masterBeforeDucking = Clamped(volume);
        m_masterVolume = m_masterBeforeDucking * kDuckingFactor;
    }
    else
        m_masterVolume = Clamped(volume);
    ApplyEffectVolumes();
    ApplyMusicVolume();
}

void SoundSystem::SetEffectsVolume(float volume)
{
    if (std::isnan(volume))
        return;
    m_effectsVolume = Clamped(volume);
    ApplyEffectVolumes();
}

void SoundSystem::SetMusicVolume(float volume)
{
    if (std::isnan(volume))
        return;
    m_musicVolume = Clamped(volume);
    ApplyMusicVolume();
}

void SoundSystem::ApplyEffectVolumes()
{
    if (!m_backend)
        return;
    for (const EffectInstance& instance : m_effects)
        m_backend->SetEffectVolume(instance.voice,
                                   m_bank.Events()[static_cast<size_t>(instance.event)].volume *
                                       m_effectsVolume * m_masterVolume);
}

void SoundSystem::ApplyMusicVolume()
{
    if (m_backend && m_musicEvent >= 0)
        m_backend->SetMusicVolume(m_bank.Events()[static_cast<size_t>(m_musicEvent)].volume * m_musicVolume *
                                  m_masterVolume);
}

void SoundSystem::Update()
{
    if (m_backend)
        m_backend->Update();
    FollowFocus();
    FollowPause();
    CleanUp();
}

void SoundSystem::FollowFocus()
{
    const bool focused = WindowManager::Instance().HasFocus();
    if (focused == m_focused)
        return;
    // Regaining the focus sets the effects to full volume whatever they were before: the game has
    // always done so, and players know it.
    PauseAll(!focused);
    SetEffectsVolume(focused ? 1.0f : 0.0f);
    m_focused = focused;
}

void SoundSystem::FollowPause()
{
    const bool paused = s_pausedQuery && s_pausedQuery();
    if (paused && !m_ducked)
    {
        m_masterBeforeDucking = m_masterVolume;
        SetMasterVolume(m_masterVolume * kDuckingFactor);
        m_ducked = true;
    }
    else if (!paused && m_ducked)
    {
        m_ducked = false;
        SetMasterVolume(m_masterBeforeDucking);
    }
}

void SoundSystem::CleanUp()
{
    if (m_cleanUpCountdown > 0)
    {
        --m_cleanUpCountdown;
        return;
    }
    m_cleanUpCountdown = kCleanUpInterval;
    if (m_backend)
        std::erase_if(m_effects, [this](const EffectInstance& instance)
                      { return !m_backend->IsEffectPlaying(instance.voice); });
}

std::optional<std::string> SoundSystem::CurrentMusic() const
{
    if (m_musicEvent < 0)
        return std::nullopt;
    return m_bank.Events()[static_cast<size_t>(m_musicEvent)].path;
}

std::vector<std::string> SoundSystem::LiveEffects() const
{
    std::vector<std::string> paths;
    for (const EffectInstance& instance : m_effects)
        paths.push_back(m_bank.Events()[static_cast<size_t>(instance.event)].path);
    return paths;
}
