#pragma once

#include "objects/XmlFile.h"

#include <memory>
#include <string>
#include <vector>

/// One XML data file as the game opens it.
struct XmlSource
{
    std::string path;             ///< as shown to the user
    std::unique_ptr<XmlFile> xml; ///< never null; without a root when the file did not load
};

/// An archetype file: its name is the first attribute of its root, as the Factory reads it.
struct ArchetypeFile
{
    XmlSource source;
    std::string name;
    const XmlElement* components = nullptr; ///< the "Components" element, or null

    /// The component element the Factory keeps for `type` (the last of that name), or null.
    const XmlElement* Component(const std::string& type) const;
};

/// One object of a scene, read as the Factory reads it.
struct SceneEntry
{
    const XmlElement* element = nullptr;
    std::string archetype; ///< the first attribute of the entry
    std::string id;        ///< the objID's text, empty when there is none
    const XmlElement* overrides = nullptr;

    /// The line of the object's element.
    int Line() const { return element ? element->GetLineNum() : 0; }
    /// "object 12 (Gate)", for messages.
    std::string Describe() const;
};

/// A scene file and its objects.
struct SceneFile
{
    std::string name;
    XmlSource source;
    std::vector<SceneEntry> entries;
};

/// A name under one of the headings of the track list, with its line.
struct TrackEntry
{
    std::string name;
    int line = 0;
};

/// res/TrackList.xml as the engine reads it.
struct TrackList
{
    XmlSource source;
    const XmlElement* realHeading = nullptr;
    const XmlElement* displayHeading = nullptr;
    std::vector<TrackEntry> real;    ///< "RealTrackNames": the scene of each track index
    std::vector<TrackEntry> display; ///< "DisplayTrackNames": the last stands for a random track
};

/// A res/ tree read the way the game reads it: archetypes, scenes, the track list and the names
/// of the meshes, effects, textures and scripts its folders hold.
class ContentTree
{
  public:
    /// Reads `root`/res/. With `tracks` empty every scene is read and every track of the track
    /// list is a race scene; otherwise only the scenes named are read, all as race scenes.
    ContentTree(const std::string& root, std::vector<std::string> tracks);
    ContentTree(const ContentTree&) = delete;
    ContentTree& operator=(const ContentTree&) = delete;

    /// `relative` (e.g. "res/scene/x.xml") under the root, as shown in messages.
    std::string PathOf(const std::string& relative) const;

    /// Every archetype file, in the order the game reads them.
    const std::vector<ArchetypeFile>& ArchetypeFiles() const { return m_archetypes; }
    /// The archetype the game uses under `name` (the last file read with that name), or null.
    const ArchetypeFile* FindArchetype(const std::string& name) const;
    /// The names of the archetypes that load.
    std::vector<std::string> ArchetypeNames() const;

    /// The scenes read: every one, or those of the tracks named.
    const std::vector<SceneFile>& Scenes() const { return m_scenes; }
    /// The scene read under `name`, or null.
    const SceneFile* FindScene(const std::string& name) const;
    /// Names of the scenes that hold races.
    const std::vector<std::string>& RaceScenes() const { return m_raceScenes; }
    /// Whether the track names came from the command line instead of the track list.
    bool TracksGiven() const { return m_tracksGiven; }
    /// res/TrackList.xml.
    const TrackList& Tracks() const { return m_trackList; }
    /// res/SystemData.xml.
    const XmlSource& SystemData() const { return m_systemData; }

    /// Mesh file names ("ball.tbm"), effect names ("normalmap") and texture names ("fire"), as
    /// the graphics tables key them; script file names ("racelevel.lua"); scene names.
    const std::vector<std::string>& Meshes() const { return m_meshes; }
    const std::vector<std::string>& Effects() const { return m_effects; }
    const std::vector<std::string>& Textures() const { return m_textures; }
    const std::vector<std::string>& Scripts() const { return m_scripts; }
    const std::vector<std::string>& SceneNames() const { return m_sceneNames; }
    /// Whether a script attached under `fileName` opens, with the game's tolerance of case.
    bool HasScript(const std::string& fileName) const;
    /// The path the game opens for a script attached under `fileName`.
    std::string ScriptPath(const std::string& fileName) const;

  private:
    std::string Folder(const char* resourceFolder) const;
    std::vector<std::string> List(const char* resourceFolder, const std::string& pattern) const;
    void ReadArchetypes();
    void ReadScenes(const std::vector<std::string>& tracks);
    void ReadTrackList();
    void ListResources();
    XmlSource Open(const std::string& relative) const;

    std::string m_root;
    std::vector<ArchetypeFile> m_archetypes;
    std::vector<SceneFile> m_scenes;
    std::vector<std::string> m_raceScenes;
    bool m_tracksGiven = false;
    TrackList m_trackList;
    XmlSource m_systemData;
    std::vector<std::string> m_meshes, m_effects, m_textures, m_scripts, m_sceneNames;
};
