// vantora-trackgen: writes a level scene from a compact track description.
//   vantora-trackgen tools/tracks/watertrack.track res/scene/watertrack.xml
#include "TrackDescription.h"
#include "TrackLayout.h"
#include "TrackSceneWriter.h"

#include <cstdio>
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
    if (description.points.size() < 3)
        return 1;

    const TrackLayout layout = BuildTrackLayout(description);
    TrackArchetypes archetypes;
    archetypes.sky = description.sky;
    archetypes.skyTexture = description.skyTexture;
    if (!WriteTrackScene(layout, archetypes, argv[2]))
    {
        std::fprintf(stderr, "vantora-trackgen: cannot write '%s'\n", argv[2]);
        return 1;
    }
    std::printf("%s: %.0f units round, %zu ground pieces, %zu walls, %zu gates, %zu race nodes\n",
                description.name.c_str(), static_cast<double>(layout.length), layout.ground.size(),
                layout.walls.size(), layout.gates.size(), layout.nodes.size());
    return 0;
}
