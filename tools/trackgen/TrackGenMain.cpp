// vantora-trackgen: writes a level scene from a compact track description, and the meshes of the
// track's boards and walls beside it in res/models/ (NAME_ground.tbm and NAME_walls.tbm).
//   vantora-trackgen tools/tracks/watertrack.track res/scene/watertrack.xml
#include "TrackDescription.h"
#include "TrackLayout.h"
#include "TrackSceneWriter.h"
#include "TrackSurface.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: vantora-trackgen DESCRIPTION.track OUTPUT.xml\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in)
    {
        std::fprintf(stderr, "vantora-trackgen: cannot read '%s'\n", argv[1]);
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    std::vector<std::string> errors;
    const TrackDescription description = ParseTrackDescription(text.str(), errors);
    for (const std::string& error : errors)
        std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
    // A track built from what could be read would quietly lack the misspelt gap or point, and
    // would overwrite a good scene and its meshes: a description with any error writes nothing.
    if (!errors.empty())
    {
        std::fprintf(stderr, "vantora-trackgen: %zu error%s in '%s', nothing written\n", errors.size(),
                     errors.size() == 1 ? "" : "s", argv[1]);
        return 1;
    }

    const TrackLayout layout = BuildTrackLayout(description);
    TrackArchetypes archetypes;
    archetypes.sky = description.sky;
    archetypes.logic = description.logic;
    archetypes.skyTexture = description.skyTexture;
    archetypes.groundTexture = description.groundTexture;
    archetypes.wallTexture = description.wallTexture;
    archetypes.groundMesh = description.name + "_ground.tbm";
    archetypes.wallMesh = description.name + "_walls.tbm";
    // The scene goes to res/scene/, its meshes to res/models/ beside it.
    const std::filesystem::path models =
        std::filesystem::absolute(argv[2]).parent_path().parent_path() / "models";
    const TrackSurface surface = BuildTrackSurface(description, layout);
    if (!WriteModelMesh(surface.ground, (models / archetypes.groundMesh).string()) ||
        !WriteModelMesh(surface.walls, (models / archetypes.wallMesh).string()))
    {
        std::fprintf(stderr, "vantora-trackgen: cannot write the track's meshes into '%s'\n", models.c_str());
        return 1;
    }
    if (!WriteTrackScene(layout, archetypes, argv[2]))
    {
        std::fprintf(stderr, "vantora-trackgen: cannot write '%s'\n", argv[2]);
        return 1;
    }
    std::printf("%s: %.0f units round, %zu ground pieces, %zu walls, %zu gates, %zu race nodes, "
                "%zu + %zu surface triangles\n",
                description.name.c_str(), static_cast<double>(layout.length), layout.ground.size(),
                layout.walls.size(), layout.gates.size(), layout.nodes.size(), surface.ground.size() / 3,
                surface.walls.size() / 3);
    return 0;
}
