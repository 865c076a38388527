#include "check/EngineFilesCheck.h"

#include "check/ContentTree.h"
#include "check/ProblemReport.h"
#include "core/ResourcePaths.h"

#include <algorithm>

namespace
{
struct NeededFile
{
    const std::vector<std::string>& (ContentTree::*names)() const;
    const char* folder;
    const char* name;
    const char* use;
};

const NeededFile kNeeded[] = {
    {&ContentTree::Textures, ResourcePaths::kTextures, "default", "stands in for every missing texture"},
    {&ContentTree::Textures, ResourcePaths::kTextures, "water_icon", "is shown while the game loads"},
    {&ContentTree::Textures, ResourcePaths::kTextures, "fire", "is shown while the game loads"},
    {&ContentTree::Textures, ResourcePaths::kTextures, "normal",
     "is the normal map of renderers that name none"},
    {&ContentTree::Textures, ResourcePaths::kTextures, "specular",
     "is the specular map of renderers that name none"},
    {&ContentTree::Meshes, ResourcePaths::kModels, "cube.tbm", "draws debug boxes"},
    {&ContentTree::Meshes, ResourcePaths::kModels, "sphere.tbm", "draws debug spheres"},
    {&ContentTree::Meshes, ResourcePaths::kModels, "pyramid.tbm", "draws debug pyramids"},
    {&ContentTree::Meshes, ResourcePaths::kModels, "cubehud.tbm", "draws the HUD"},
    {&ContentTree::Effects, ResourcePaths::kShaders, "default", "draws renderers that name no effect"},
    {&ContentTree::Effects, ResourcePaths::kShaders, "debug", "draws debug shapes"},
    {&ContentTree::Effects, ResourcePaths::kShaders, "debug_cam", "draws debug shapes on the screen"},
    {&ContentTree::Effects, ResourcePaths::kShaders, "hud_cam", "draws the HUD"},
    {&ContentTree::Effects, ResourcePaths::kShaders, "bg_hud", "draws screen backgrounds"},
    {&ContentTree::SceneNames, ResourcePaths::kScenes, "loading", "is shown while the game loads"},
};
} // namespace

void EngineFilesCheck::Run(const ContentTree& tree, ProblemReport& report) const
{
    for (const NeededFile& needed : kNeeded)
    {
        const std::vector<std::string>& names = (tree.*needed.names)();
        if (std::find(names.begin(), names.end(), needed.name) == names.end())
            report.Problem(tree.PathOf(needed.folder), 0,
                           std::string("'") + needed.name +
                               "' is missing; the engine asks for it by name: it " + needed.use);
    }
}
