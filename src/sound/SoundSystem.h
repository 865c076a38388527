#pragma once

#include "core/EmptySystem.h"
#include "sound/SoundBackend.h"
#include "sound/SoundBank.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// Plays the game's sound events by path: effects, one music at a time, three volume levels,
/// ducking while the game is paused and silence while the window is in the background. All of
/// that is bookkeeping kept here, so it behaves the same with or without an audio device.
class SoundSystem final : public EmptySystem
{
  public:
    /// The most effects playing at once; a play beyond it stops the oldest effect.
    static constexpr size_t kMaxEffects = 64;
    /// Updates between two clean-ups of finished effects.
    static constexpr int kCleanUpInterval = 60;
    /// The most distinct paths counted for the report; asks for further new paths are not counted.
    static constexpr size_t kMaxCountedPaths = 1024;

    /// Whether the game is paused; asked once per update. Filled by the composition root.
    using PausedQuery = std::function<bool()>;

    /// The single instance.
    static SoundSystem& Instance();
    ~SoundSystem() override;

    /// Opens the audio device (unless silent) and reads res/audio/bank.xml.
    void Init() override;
    /// As Init, with the bank manifest at `manifestPath`.
    void Start(const std::string& manifestPath);
    /// Focus, ducking and the clean-up of finished effects, once per frame.
    void Update() override;
    /// Stops everything and closes the device; Start may run again after it.
    void Shutdown();

    /// Before Init: true never opens a device (tests, the runner).
    void SetSilent(bool silent) { m_silent = silent; }
    /// Whether the sound is heard through a device.
    bool HasDevice() const { return m_hasDevice; }
    /// Where "the game is paused" comes from; null counts as never paused.
    static void SetPausedQuery(PausedQuery query) { s_pausedQuery = std::move(query); }

    /// Starts the event at `path` ("SFX/PlayerJump"); an unknown path plays "Error" instead.
    void Play(std::string_view path);
    /// Stops every effect; the music keeps playing.
    void StopAllEffects();
    /// Pauses or resumes every effect and the music.
    void PauseAll(bool paused);

    /// Volumes are clamped to 0..1 and apply at once to what is playing; NaN is ignored.
    void SetMasterVolume(float volume);
    void SetEffectsVolume(float volume);
    void SetMusicVolume(float volume);
    float GetMasterVolume() const { return m_masterVolume; }
    /// The effects level the options menu shows.
    float GetEffectsVolume() const { return m_effectsVolume; }
    /// The music level the options menu shows.
    float GetMusicVolume() const { return m_musicVolume; }
    /// Whether the pause ducking is applied now.
    bool IsDucked() const { return m_ducked; }
    /// Whether the window had the focus at the last update.
    bool IsFocused() const { return m_focused; }

    /// The bank read at start-up.
    const SoundBank& GetBank() const { return m_bank; }
    /// The effects started and not yet cleaned up.
    size_t LiveEffectCount() const { return m_effects.size(); }
    /// The event paths of the effects started and not yet cleaned up, oldest first.
    std::vector<std::string> LiveEffects() const;
    /// The path of the music event playing now, if any.
    std::optional<std::string> CurrentMusic() const;
    /// Every play asked for, by the path asked for, whether or not anything could be heard.
    const std::map<std::string, long long, std::less<>>& PlayCounts() const { return m_playCounts; }

  private:
    struct EffectInstance
    {
        int event = -1;
        SoundVoice voice;
    };

    SoundSystem() = default;
    void LoadSounds();
    void CountPlay(std::string_view path);
    int PlayableEvent(std::string_view path) const;
    int PickSound(int event);
    void StartEffect(int event, int sound);
    void StartMusic(int event, int sound);
    void ApplyEffectVolumes();
    void ApplyMusicVolume();
    void FollowFocus();
    void FollowPause();
    void CleanUp();

    std::unique_ptr<SoundBackend> m_backend;
    SoundBank m_bank;
    /// Per event, the backend's ids of its files that loaded.
    std::vector<std::vector<int>> m_sounds;
    std::vector<EffectInstance> m_effects;
    int m_musicEvent = -1;
    std::map<std::string, long long, std::less<>> m_playCounts;
    int m_cleanUpCountdown = kCleanUpInterval;
    bool m_focused = true;
    bool m_ducked = false;
    float m_masterVolume = 1.0f;
    float m_masterBeforeDucking = 1.0f;
    float m_effectsVolume = 0.5f;
    float m_musicVolume = 1.0f;
    bool m_silent = false;
    bool m_hasDevice = false;
    bool m_countsFull = false;
    /// The generator of variations; the game's own rand() is left alone so seeded races do not
    /// change with what is heard.
    uint32_t m_variationState = 0x9e3779b9u;
    static inline PausedQuery s_pausedQuery;
};
