#pragma once

/// Folders and files of the resource tree, relative to the working directory. File names are
/// appended without a separator.
namespace ResourcePaths
{
inline constexpr const char* kRoot = "res/";
inline constexpr const char* kSystemData = "res/SystemData.xml";
inline constexpr const char* kTrackList = "res/TrackList.xml";
inline constexpr const char* kArchetypes = "res/archetype/";
inline constexpr const char* kScenes = "res/scene/";
inline constexpr const char* kModels = "res/models/";
inline constexpr const char* kShaders = "res/shaders/";
inline constexpr const char* kTextures = "res/textures/";
inline constexpr const char* kScripts = "res/scripts/";
inline constexpr const char* kParticleEffects = "res/particleeffects/";
inline constexpr const char* kAudio = "res/audio/";
inline constexpr const char* kDebugLog = "./src/Message/debugLog.txt";
} // namespace ResourcePaths
