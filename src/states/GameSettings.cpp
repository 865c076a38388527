#include "states/GameSettings.h"

#include "states/UserFolder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>
#include <tinyxml2.h>

namespace
{
constexpr const char* kRootName = "settings";

float ClampVolume(float volume)
{
    return std::isfinite(volume) ? std::clamp(volume, 0.0f, 1.0f) : 1.0f;
}

/// Reads one volume attribute; a value that is no number in 0..1 keeps `volume` and is reported.
void ReadVolume(const tinyxml2::XMLElement& root, const char* name, float& volume, const std::string& file)
{
    const char* text = root.Attribute(name);
    if (!text)
        return;
    float value = 0.0f;
    if (root.QueryFloatAttribute(name, &value) != tinyxml2::XML_SUCCESS || !std::isfinite(value) ||
        value < 0.0f || value > 1.0f)
    {
        std::printf("Settings file '%s': %s '%s' is not a volume from 0 to 1; using %g\n", file.c_str(), name,
                    text, volume);
        return;
    }
    volume = value;
}
} // namespace

GameSettings& GameSettings::Instance()
{
    static GameSettings instance;
    return instance;
}

GameSettings::GameSettings()
{
    Reset();
}

std::filesystem::path GameSettings::DefaultPath()
{
    const std::filesystem::path folder = UserFolder::Config();
    return folder.empty() ? folder : folder / "settings.xml";
}

void GameSettings::Reset()
{
    m_fullscreen = true;
    m_master = m_effects = m_music = 1.0f;
    m_path = DefaultPath();
    Load(m_path);
}

void GameSettings::Load(const std::filesystem::path& path)
{
    m_path = path;
    const std::string file = path.string();
    std::error_code error;
    if (path.empty() || !std::filesystem::exists(path, error))
    {
        std::printf("Settings file '%s' does not exist yet; using the default settings\n", file.c_str());
        return;
    }
    tinyxml2::XMLDocument document;
    const tinyxml2::XMLElement* root = nullptr;
    if (document.LoadFile(file.c_str()) == tinyxml2::XML_SUCCESS)
        root = document.FirstChildElement(kRootName);
    if (!root)
    {
        std::printf("Settings file '%s' cannot be read; using the default settings\n", file.c_str());
        return;
    }
    if (root->QueryBoolAttribute("fullscreen", &m_fullscreen) == tinyxml2::XML_WRONG_ATTRIBUTE_TYPE)
        std::printf("Settings file '%s': fullscreen is not true or false; using true\n", file.c_str());
    ReadVolume(*root, "masterVolume", m_master, file);
    ReadVolume(*root, "effectsVolume", m_effects, file);
    ReadVolume(*root, "musicVolume", m_music, file);
}

bool GameSettings::Save() const
{
    if (m_path.empty())
        return false;
    std::error_code error;
    std::filesystem::create_directories(m_path.parent_path(), error);
    tinyxml2::XMLDocument document;
    tinyxml2::XMLElement* root = document.NewElement(kRootName);
    document.InsertEndChild(root);
    root->SetAttribute("fullscreen", m_fullscreen);
    root->SetAttribute("masterVolume", m_master);
    root->SetAttribute("effectsVolume", m_effects);
    root->SetAttribute("musicVolume", m_music);
    if (error || document.SaveFile(m_path.string().c_str()) != tinyxml2::XML_SUCCESS)
    {
        std::printf("Settings file '%s' cannot be written; the settings last until the game ends\n",
                    m_path.string().c_str());
        return false;
    }
    return true;
}

void GameSettings::SetFullscreen(bool on)
{
    m_fullscreen = on;
    Save();
}

void GameSettings::SetMasterVolume(float volume)
{
    m_master = ClampVolume(volume);
    Save();
}

void GameSettings::SetEffectsVolume(float volume)
{
    m_effects = ClampVolume(volume);
    Save();
}

void GameSettings::SetMusicVolume(float volume)
{
    m_music = ClampVolume(volume);
    Save();
}
