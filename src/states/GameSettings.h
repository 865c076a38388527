#pragma once

#include <filesystem>
#include <string>

/// The player's settings that outlast a run: full screen and the three volumes. They live in
/// settings.xml under $XDG_CONFIG_HOME/vantora/ (else $HOME/.config/vantora/), written on every
/// change; a missing or unreadable file means the defaults.
class GameSettings
{
  public:
    /// The settings of this run, read from the file on first use.
    static GameSettings& Instance();

    /// The file the settings are read from and written to; empty when neither variable is set.
    static std::filesystem::path DefaultPath();

    /// Reads `path`; anything missing, unreadable or out of range keeps its default, with one line.
    void Load(const std::filesystem::path& path);
    /// Writes every setting to the file, creating its folder; false (with one line) on failure.
    bool Save() const;
    /// Back to the defaults and the file of DefaultPath (tests point the variables elsewhere first).
    void Reset();

    bool IsFullscreen() const { return m_fullscreen; }
    float GetMasterVolume() const { return m_master; }
    float GetEffectsVolume() const { return m_effects; }
    float GetMusicVolume() const { return m_music; }
    /// Each setter stores the value (volumes clamped to 0..1) and saves the file.
    void SetFullscreen(bool on);
    void SetMasterVolume(float volume);
    void SetEffectsVolume(float volume);
    void SetMusicVolume(float volume);
    const std::filesystem::path& GetPath() const { return m_path; }

  private:
    GameSettings();

    std::filesystem::path m_path;
    bool m_fullscreen = true;
    float m_master = 1.0f;
    float m_effects = 1.0f;
    float m_music = 1.0f;
};
