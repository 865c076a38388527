#include "check/ContentTree.h"

#include "core/FileSearch.h"
#include "core/ResourcePaths.h"
#include "graphics/ResourceTables.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace
{
std::string WithoutExtension(const std::string& name)
{
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::vector<TrackEntry> ReadHeading(const XmlElement* heading)
{
    std::vector<TrackEntry> entries;
    for (const XmlElement* e = heading ? heading->FirstChildElement() : nullptr; e;
         e = e->NextSiblingElement())
        entries.push_back({XmlFile::FirstAttributeValue(e), e->GetLineNum()});
    return entries;
}

SceneEntry ReadEntry(const XmlElement* element)
{
    SceneEntry entry;
    entry.element = element;
    entry.archetype = XmlFile::FirstAttributeValue(element);
    const XmlElement* id = XmlFile::FindChildElement(element, "uint", "objID");
    if (id && id->Attribute("value"))
        entry.id = id->Attribute("value");
    // The overrides follow the objID element; an entry without one holds them first.
    entry.overrides = id ? id->NextSiblingElement() : element->FirstChildElement();
    return entry;
}
} // namespace

const XmlElement* ArchetypeFile::Component(const std::string& type) const
{
    const XmlElement* kept = nullptr;
    for (const XmlElement* e = components ? components->FirstChildElement() : nullptr; e;
         e = e->NextSiblingElement())
        if (type == e->Name())
            kept = e;
    return kept;
}

std::string SceneEntry::Describe() const
{
    return "object " + (id.empty() ? std::string("without objID") : id) + " (" + archetype + ")";
}

ContentTree::ContentTree(const std::string& root, std::vector<std::string> tracks) : m_root(root)
{
    m_tracksGiven = !tracks.empty();
    ListResources();
    ReadArchetypes();
    ReadTrackList();
    m_systemData = Open(ResourcePaths::kSystemData);
    ReadScenes(tracks);
}

std::string ContentTree::PathOf(const std::string& relative) const
{
    return (fs::path(m_root) / relative).lexically_normal().generic_string();
}

std::string ContentTree::Folder(const char* resourceFolder) const
{
    const std::string folder = PathOf(resourceFolder);
    return folder.ends_with('/') ? folder : folder + "/";
}

std::vector<std::string> ContentTree::List(const char* resourceFolder, const std::string& pattern) const
{
    // A folder that is not there holds nothing; the engine's search would also print a line.
    std::error_code error;
    if (!fs::is_directory(Folder(resourceFolder), error))
        return {};
    return FindFiles(Folder(resourceFolder), pattern);
}

XmlSource ContentTree::Open(const std::string& relative) const
{
    XmlSource source;
    source.path = PathOf(relative);
    source.xml = std::make_unique<XmlFile>(source.path);
    return source;
}

void ContentTree::ListResources()
{
    m_meshes = List(ResourcePaths::kModels, "*.tbm");
    for (const std::string& file : ResourceTables::EffectNames(List(ResourcePaths::kShaders, "*.fx")))
        m_effects.push_back(WithoutExtension(file));
    for (const std::string& file : List(ResourcePaths::kTextures, "*.*"))
        m_textures.push_back(ResourceTables::TextureKey(file));
    m_scripts = List(ResourcePaths::kScripts, "*.lua");
    for (const std::string& file : List(ResourcePaths::kScenes, "*.xml"))
        m_sceneNames.push_back(WithoutExtension(file));
}

void ContentTree::ReadArchetypes()
{
    std::vector<std::string> stems = List(ResourcePaths::kArchetypes, "*.xml");
    ReplaceWithStems(stems);
    for (const std::string& stem : stems)
    {
        ArchetypeFile file;
        file.source.path = ResolveFileCase(Folder(ResourcePaths::kArchetypes) + stem + ".xml");
        file.source.xml = std::make_unique<XmlFile>(file.source.path);
        const XmlElement* root = file.source.xml->GetRoot();
        file.name = XmlFile::FirstAttributeValue(root);
        file.components = XmlFile::FindChildElement(root, "Components");
        m_archetypes.push_back(std::move(file));
    }
}

void ContentTree::ReadTrackList()
{
    m_trackList.source = Open(ResourcePaths::kTrackList);
    const XmlElement* root = m_trackList.source.xml->GetRoot();
    m_trackList.realHeading = XmlFile::FindChildElement(root, "RealTrackNames");
    m_trackList.displayHeading = XmlFile::FindChildElement(root, "DisplayTrackNames");
    m_trackList.real = ReadHeading(m_trackList.realHeading);
    m_trackList.display = ReadHeading(m_trackList.displayHeading);
}

void ContentTree::ReadScenes(const std::vector<std::string>& tracks)
{
    if (m_tracksGiven)
        m_raceScenes = tracks;
    else
        // The last display entry stands for a random track and has no scene of its own.
        for (size_t i = 0; i < m_trackList.real.size() && i + 1 < m_trackList.display.size(); ++i)
            m_raceScenes.push_back(m_trackList.real[i].name);
    for (const std::string& name : m_tracksGiven ? tracks : m_sceneNames)
    {
        std::error_code error;
        const std::string relative = std::string(ResourcePaths::kScenes) + name + ".xml";
        if (!fs::exists(PathOf(relative), error) || FindScene(name))
            continue;
        SceneFile scene{name, Open(relative), {}};
        const XmlElement* root = scene.source.xml->GetRoot();
        for (const XmlElement* e = root ? root->FirstChildElement() : nullptr; e; e = e->NextSiblingElement())
            scene.entries.push_back(ReadEntry(e));
        m_scenes.push_back(std::move(scene));
    }
}

const ArchetypeFile* ContentTree::FindArchetype(const std::string& name) const
{
    // The Factory replaces an archetype by a later one of the same name.
    auto found =
        std::find_if(m_archetypes.rbegin(), m_archetypes.rend(),
                     [&](const ArchetypeFile& a) { return a.source.xml->IsLoaded() && a.name == name; });
    return found == m_archetypes.rend() ? nullptr : &*found;
}

std::vector<std::string> ContentTree::ArchetypeNames() const
{
    std::vector<std::string> names;
    for (const ArchetypeFile& file : m_archetypes)
        if (file.source.xml->IsLoaded())
            names.push_back(file.name);
    return names;
}

const SceneFile* ContentTree::FindScene(const std::string& name) const
{
    auto found =
        std::find_if(m_scenes.begin(), m_scenes.end(), [&](const SceneFile& s) { return s.name == name; });
    return found == m_scenes.end() ? nullptr : &*found;
}

std::string ContentTree::ScriptPath(const std::string& fileName) const
{
    return ResolveFileCase(Folder(ResourcePaths::kScripts) + fileName);
}

bool ContentTree::HasScript(const std::string& fileName) const
{
    std::error_code error;
    return !fileName.empty() && fs::is_regular_file(ScriptPath(fileName), error);
}
