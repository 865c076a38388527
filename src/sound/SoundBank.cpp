#include "sound/SoundBank.h"

#include "objects/XmlFile.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

namespace
{
/// Reads "volume": 1 when absent, clamped to 0..1, and 1 again when it is not a number.
float ReadVolume(const XmlElement& element, const std::string& path)
{
    const char* text = element.Attribute("volume");
    if (!text)
        return 1.0f;
    char* end = nullptr;
    const float volume = std::strtof(text, &end);
    if (end == text || *end != '\0' || std::isnan(volume))
    {
        std::printf("Sound bank: event '%s' has volume '%s', not a number; 1 is used\n", path.c_str(), text);
        return 1.0f;
    }
    if (volume < 0.0f || volume > 1.0f)
    {
        std::printf("Sound bank: event '%s' has volume %s outside 0..1; it is clamped\n", path.c_str(), text);
        return volume < 0.0f ? 0.0f : 1.0f;
    }
    return volume;
}

bool ReadLoop(const XmlElement& element, const std::string& path, bool byDefault)
{
    const char* text = element.Attribute("loop");
    if (!text)
        return byDefault;
    const std::string value = text;
    if (value == "true" || value == "false")
        return value == "true";
    std::printf("Sound bank: event '%s' has loop '%s', not \"true\" or \"false\"; it %s\n", path.c_str(),
                text, byDefault ? "loops" : "does not loop");
    return byDefault;
}

std::vector<std::string> ReadFiles(const XmlElement& element)
{
    std::vector<std::string> files;
    if (const char* file = element.Attribute("file"); file && *file)
        files.emplace_back(file);
    for (const XmlElement* child = element.FirstChildElement("File"); child;
         child = child->NextSiblingElement("File"))
        if (child->GetText() && *child->GetText())
            files.emplace_back(child->GetText());
    return files;
}

/// The index key of a full path: cut as the original's buffer cut it, then the prefix dropped.
/// Empty when the path does not carry the prefix.
std::string KeyOf(std::string fullPath)
{
    if (fullPath.size() > SoundBank::kMaxPathLength)
        fullPath.resize(SoundBank::kMaxPathLength);
    if (!fullPath.starts_with(SoundBank::kPrefix))
        return {};
    return fullPath.substr(SoundBank::kPrefix.size());
}
} // namespace

bool SoundBank::Load(const std::string& manifestPath)
{
    const XmlFile file(manifestPath);
    std::string folder = std::filesystem::path(manifestPath).parent_path().generic_string();
    return Read(file, folder.empty() ? "" : folder + "/");
}

bool SoundBank::LoadText(const std::string& text, const std::string& folder)
{
    const XmlFile file = XmlFile::FromText(text, folder + "bank.xml");
    return Read(file, folder);
}

bool SoundBank::Read(const XmlFile& file, const std::string& folder)
{
    m_events.clear();
    m_index.clear();
    m_folder = folder;
    if (!file.IsLoaded() || !file.GetRoot())
        return false;
    for (const XmlElement* element = file.GetRoot()->FirstChildElement("Event"); element;
         element = element->NextSiblingElement("Event"))
    {
        const char* fullPath = element->Attribute("path");
        const std::string key = KeyOf(fullPath ? fullPath : "");
        if (key.empty())
        {
            std::printf("Sound bank: an event's path '%s' does not start with \"event:/\"; it is skipped\n",
                        fullPath ? fullPath : "");
            continue;
        }
        if (m_index.contains(key))
        {
            std::printf("Sound bank: event '%s' is listed twice; the first is kept\n", key.c_str());
            continue;
        }
        SoundEvent event;
        event.path = key;
        event.music = IsMusicPath(key);
        event.files = ReadFiles(*element);
        if (event.files.empty())
        {
            std::printf("Sound bank: event '%s' names no file; it is skipped\n", key.c_str());
            continue;
        }
        event.volume = ReadVolume(*element, key);
        event.loop = ReadLoop(*element, key, event.music);
        m_index.emplace(key, static_cast<int>(m_events.size()));
        m_events.push_back(std::move(event));
    }
    return true;
}

int SoundBank::Find(std::string_view path) const
{
    // Heterogeneous lookup would avoid this copy; the map is small and plays are few per frame.
    const auto found = m_index.find(std::string(path));
    return found == m_index.end() ? -1 : found->second;
}
