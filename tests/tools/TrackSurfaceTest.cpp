// The drawn boards and walls of a generated track: one surface without joins or overlaps that
// lies on the boxes the balls hover over, closed with end faces only where the track breaks off.
#include "trackgen/TrackSurface.h"
#include "objects/XmlFile.h"
#include "physics/GroundProbe.h"
#include "support/TestSupport.h"
#include "trackgen/TrackDescription.h"
#include "trackgen/TrackLayout.h"
#include "trackgen/TrackSceneWriter.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace
{
const char* kBentTrack = R"(name bent
width 12
piece 5
gates 4
point 0 0
point 0 80
point 40 120 3 14 -8
point 90 90 5
point 100 0
gap 200 6
)";

struct Track
{
    TrackDescription description;
    TrackLayout layout;
    TrackSurface surface;
};

Track Bent()
{
    std::vector<std::string> errors;
    Track track;
    track.description = ParseTrackDescription(kBentTrack, errors);
    EXPECT_TRUE(errors.empty());
    track.layout = BuildTrackLayout(track.description);
    track.surface = BuildTrackSurface(track.description, track.layout);
    return track;
}

Vector4 At(const float (&v)[4], float w)
{
    return {v[0], v[1], v[2], w};
}

using Edge = std::tuple<float, float, float, float, float, float>;

Edge Key(const ModelVertex& a, const ModelVertex& b)
{
    Edge ka{a.position[0], a.position[1], a.position[2], b.position[0], b.position[1], b.position[2]};
    Edge kb{b.position[0], b.position[1], b.position[2], a.position[0], a.position[1], a.position[2]};
    return std::min(ka, kb);
}

// How many upward faces use each edge that runs across the track (both ends at the same
// texture distance v).
std::map<Edge, int> CrossEdges(const std::vector<ModelVertex>& mesh)
{
    std::map<Edge, int> uses;
    for (size_t i = 0; i < mesh.size(); i += 3)
        for (int k = 0; k < 3; ++k)
        {
            const ModelVertex& a = mesh[i + static_cast<size_t>(k)];
            const ModelVertex& b = mesh[i + static_cast<size_t>((k + 1) % 3)];
            if (a.normal[1] > 0.5f && b.normal[1] > 0.5f && a.texCoord[1] == b.texCoord[1])
                ++uses[Key(a, b)];
        }
    return uses;
}

// Triangles of the boards that do not face up: the end faces.
int EndFaceTriangles(const std::vector<ModelVertex>& mesh)
{
    int triangles = 0;
    for (size_t i = 0; i < mesh.size(); i += 3)
        triangles += std::fabs(mesh[i].normal[1]) < 0.5f;
    return triangles;
}
} // namespace

TEST(TrackSurface, TheBoardsRunWithoutJoinsAndCloseOnlyAtTheGap)
{
    const Track track = Bent();
    ASSERT_FALSE(track.surface.ground.empty());
    ASSERT_EQ(track.surface.ground.size() % 3, 0u);
    // Every edge across the boards is shared by the strips on both sides of it, bit for bit,
    // except the two where the boards break off for the gap.
    int open = 0;
    for (const auto& [edge, uses] : CrossEdges(track.surface.ground))
    {
        EXPECT_LE(uses, 2);
        open += uses == 1;
    }
    EXPECT_EQ(open, 2);
    // Each end of the gap gets one end face (two triangles).
    EXPECT_EQ(EndFaceTriangles(track.surface.ground), 4);
}

TEST(TrackSurface, TheBoardsDoNotOverlapThemselves)
{
    const Track track = Bent();
    std::vector<std::pair<float, float>> strips; // texture distance covered by each top triangle
    for (size_t i = 0; i < track.surface.ground.size(); i += 3)
    {
        const ModelVertex* v = &track.surface.ground[i];
        if (v[0].normal[1] < 0.5f)
            continue;
        strips.push_back({std::min({v[0].texCoord[1], v[1].texCoord[1], v[2].texCoord[1]}),
                          std::max({v[0].texCoord[1], v[1].texCoord[1], v[2].texCoord[1]})});
    }
    std::sort(strips.begin(), strips.end());
    // Two triangles per strip cover the same stretch; the next strip starts where they end.
    for (size_t i = 2; i < strips.size(); i += 2)
    {
        EXPECT_EQ(strips[i], strips[i + 1 < strips.size() ? i + 1 : i]);
        EXPECT_GE(strips[i].first, strips[i - 1].second - 1e-4f) << "strip " << i / 2;
    }
}

TEST(TrackSurface, TheBoardsLieOnTheBoxesTheBallsHoverOver)
{
    const Track track = Bent();
    int probed = 0;
    // The middle of each upward triangle lies a third of the half width off the centre line; at
    // the very edges the arcs and the boxes' chords part by a few centimetres on bends.
    for (size_t i = 0; i < track.surface.ground.size(); i += 3)
    {
        const ModelVertex* v = &track.surface.ground[i];
        if (v[0].normal[1] < 0.5f)
            continue;
        const Vector4 middle = (At(v[0].position, 1) + At(v[1].position, 1) + At(v[2].position, 1)) / 3.0f;
        float nearest = INFINITY;
        for (const Placement& piece : track.layout.ground)
            if (const std::optional<float> t = RayObb(middle + Vector4{0, 1, 0, 0}, {0, -1, 0, 0},
                                                      piece.position, piece.scale, piece.rotation))
                nearest = std::min(nearest, *t);
        EXPECT_NEAR(nearest, 1.0f, 0.05f) << "triangle " << i / 3;
        ++probed;
    }
    EXPECT_GT(probed, 50);
}

TEST(TrackSurface, WallsRunWithoutJoinsAndCloseAtTheGap)
{
    const Track track = Bent();
    ASSERT_FALSE(track.surface.walls.empty());
    int open = 0;
    for (const auto& [edge, uses] : CrossEdges(track.surface.walls))
        open += uses == 1;
    EXPECT_EQ(open, 4) << "the coping of two walls breaks off at both ends of the gap";
}

TEST(TrackSurface, TheSceneDrawsTheSurfacesLastSoNoOtherIdMoves)
{
    const Track track = Bent();
    TempFolder folder;
    const std::string path = (folder.Path() / "bent.xml").string();
    TrackArchetypes names;
    names.groundMesh = "bent_ground.tbm";
    names.wallMesh = "bent_walls.tbm";
    ASSERT_TRUE(WriteTrackScene(track.layout, names, path));
    XmlFile scene(path);
    std::vector<std::string> archetypes;
    for (const XmlElement* e = scene.GetRoot()->FirstChildElement(); e; e = e->NextSiblingElement())
        archetypes.push_back(XmlFile::FirstAttributeValue(e));
    ASSERT_GE(archetypes.size(), 3u);
    EXPECT_EQ(archetypes[archetypes.size() - 3], "RaceLogic");
    EXPECT_EQ(archetypes[archetypes.size() - 2], "TrackGround");
    EXPECT_EQ(archetypes.back(), "TrackWalls");
    const XmlElement* walls = scene.GetRoot()->LastChildElement();
    EXPECT_NE(
        XmlFile::FindChildElement(walls->FirstChildElement("Overrides")->FirstChildElement("MeshRenderer"),
                                  "string", "meshName"),
        nullptr);
}
