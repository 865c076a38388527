// What themed tracks are built from: ramps before gaps, narrow bridges, stretches without walls,
// hazard sheets round the track and the track's own board and wall textures.
#include "objects/XmlFile.h"
#include "support/TestSupport.h"
#include "trackgen/TrackDescription.h"
#include "trackgen/TrackLayout.h"
#include "trackgen/TrackSceneWriter.h"
#include "trackgen/TrackSurface.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{
// A square loop 400 units round; the first side runs from the finish along +z.
const char* kLoop = R"(name loop
width 16
piece 4
gates 4
node_spacing 8
grid_offset 6
point 0 0
point 0 100
point -100 100
point -100 0
)";

TrackDescription Describe(const std::string& extra, std::vector<std::string>* errorsOut = nullptr)
{
    std::vector<std::string> errors;
    TrackDescription d = ParseTrackDescription(std::string(kLoop) + extra, errors);
    if (errorsOut)
        *errorsOut = errors;
    else
        EXPECT_TRUE(errors.empty()) << errors.front();
    return d;
}

// The distance along the line of the centre-line point nearest `p` across the ground.
float DistanceAlong(const CentreLine& line, const Vector4& p)
{
    float best = 0.0f, bestSquare = 1e30f;
    for (float at = 0.0f; at < line.Length(); at += 0.25f)
    {
        const Vector4 c = line.At(at).position;
        const float square = (c.x - p.x) * (c.x - p.x) + (c.z - p.z) * (c.z - p.z);
        if (square < bestSquare)
            bestSquare = square, best = at;
    }
    return best;
}

float HeightAt(const TrackDescription& d, float distance)
{
    return CentreLine(d).At(distance).position.y;
}
} // namespace

TEST(TrackFeatures, MalformedFeatureLinesAreErrors)
{
    std::vector<std::string> errors;
    Describe("gap 50 8 2 3\n"           // a ramp shorter than 5
             "gap 50 8 -1\n"            // a ramp that falls
             "bridge 50 20 3\n"         // narrower than a ball can be steered over
             "bridge 50 20 10 walled\n" // only "open" may follow the width
             "open 50\n"                // no length
             "hazard -3\n"              // no texture
             "hazard -3 lava 0\n"       // a texture repeat of nothing
             "ground_texture\n",
             &errors);
    EXPECT_EQ(errors.size(), 8u);
    Describe("gap 50 8 2\nbridge 150 20 10 open\nopen 250 30\nhazard -3 lava 20\nwall_texture rock\n");
}

TEST(TrackFeatures, ARampClimbsSteepestAtTheLipAndTheLandingIsAtTheLinesHeight)
{
    const TrackDescription d = Describe("gap 60 8 4 30\n");
    EXPECT_NEAR(HeightAt(d, 25.0f), 0.0f, 0.01f) << "before the ramp";
    const float third = HeightAt(d, 40.0f), twoThirds = HeightAt(d, 50.0f), lip = HeightAt(d, 59.5f);
    EXPECT_NEAR(lip, 4.0f, 0.3f);
    EXPECT_LT(third, twoThirds - third) << "the second third climbs more than the first";
    EXPECT_NEAR(HeightAt(d, 70.0f), 0.0f, 0.01f) << "the far side of the gap";
    const TrackLayout layout = BuildTrackLayout(d);
    for (size_t i = 0; i < layout.ground.size(); ++i)
        EXPECT_FALSE(layout.groundSpans[i].to > 61.0f && layout.groundSpans[i].from < 67.0f)
            << "no boards in the gap";
}

TEST(TrackFeatures, ABridgeNarrowsOnlyOverItsStretch)
{
    const TrackDescription d = Describe("bridge 40 30 10\n");
    const CentreLine line(d);
    EXPECT_FLOAT_EQ(line.At(55.0f).width, 10.0f);
    EXPECT_FLOAT_EQ(line.At(15.0f).width, 16.0f);
    EXPECT_FLOAT_EQ(line.At(85.0f).width, 16.0f);
    EXPECT_GT(line.At(35.0f).width, 10.0f) << "it tapers in";
    EXPECT_LT(line.At(35.0f).width, 16.0f);
}

TEST(TrackFeatures, OpenStretchesHaveNoWallsAndTheWallsAreClosedWhereTheyStop)
{
    const TrackDescription d = Describe("open 30 40\nbridge 200 20 10 open\n");
    const CentreLine line(d);
    const TrackLayout layout = BuildTrackLayout(d);
    for (const Placement& wall : layout.walls)
    {
        const float at = DistanceAlong(line, wall.position);
        EXPECT_FALSE(at > 33.0f && at < 67.0f) << "a wall on the open stretch at " << at;
        EXPECT_FALSE(at > 203.0f && at < 217.0f) << "a wall on the open bridge at " << at;
    }
    EXPECT_LT(layout.walls.size(), BuildTrackLayout(Describe("")).walls.size());
    // Walls stop and start again at both ends of both stretches: each end closed on both sides,
    // two triangles a face.
    const TrackSurface surface = BuildTrackSurface(d, layout);
    int endTriangles = 0;
    for (size_t i = 0; i < surface.walls.size(); i += 3)
    {
        const ModelVertex& v = surface.walls[i];
        const CentreSample s = line.At(DistanceAlong(line, {v.position[0], v.position[1], v.position[2], 1}));
        endTriangles += std::fabs(v.normal[0] * s.tangent.x + v.normal[2] * s.tangent.z) > 0.9f;
    }
    EXPECT_EQ(endTriangles, 4 * 2 * 2);
}

TEST(TrackFeatures, AHazardSheetLiesUnderTheWholeTrackAtItsHeightWithTheTextureTiled)
{
    const TrackLayout layout = BuildTrackLayout(Describe("hazard -4 lava 25\n"));
    ASSERT_EQ(layout.hazards.size(), 1u);
    const HazardPlacement& sheet = layout.hazards[0];
    EXPECT_FLOAT_EQ(sheet.sheet.position.y, -4.0f);
    for (const Placement& piece : layout.ground)
    {
        EXPECT_LT(std::fabs(piece.position.x - sheet.sheet.position.x), sheet.sheet.scale.x * 0.5f - 100.0f);
        EXPECT_LT(std::fabs(piece.position.z - sheet.sheet.position.z), sheet.sheet.scale.z * 0.5f - 100.0f);
    }
    EXPECT_EQ(sheet.texture, "lava");
    EXPECT_FLOAT_EQ(sheet.tileX, sheet.sheet.scale.x / 25.0f);
    EXPECT_FLOAT_EQ(sheet.tileY, sheet.sheet.scale.z / 25.0f);
}

TEST(TrackFeatures, TheSceneNamesTheTexturesAndPutsTheHazardsLast)
{
    const TrackLayout layout = BuildTrackLayout(Describe("hazard -4 lava\n"));
    TrackArchetypes names;
    names.groundMesh = "loop_ground.tbm";
    names.wallMesh = "loop_walls.tbm";
    names.groundTexture = "basalt";
    TempFolder folder;
    const std::string path = (folder.Path() / "loop.xml").string();
    ASSERT_TRUE(WriteTrackScene(layout, names, path));
    XmlFile scene(path);
    std::string groundTexture = "none", wallTexture = "none", hazardTexture;
    const XmlElement* last = scene.GetRoot()->LastChildElement();
    for (const XmlElement* e = scene.GetRoot()->FirstChildElement(); e; e = e->NextSiblingElement())
    {
        const XmlElement* renderer = e->FirstChildElement("Overrides")->FirstChildElement("MeshRenderer");
        const std::string archetype = XmlFile::FirstAttributeValue(e);
        std::string* texture = archetype == "TrackGround"     ? &groundTexture
                               : archetype == "TrackWalls"    ? &wallTexture
                               : archetype == "HazardSurface" ? &hazardTexture
                                                              : nullptr;
        if (texture && renderer && XmlFile::FindChildElement(renderer, "string", "textureName"))
            XmlFile::ReadValue(*texture, XmlFile::FindChildElement(renderer, "string", "textureName"));
    }
    EXPECT_EQ(groundTexture, "basalt");
    EXPECT_EQ(wallTexture, "none") << "the archetype's own texture when the description names none";
    EXPECT_EQ(hazardTexture, "lava");
    EXPECT_EQ(XmlFile::FirstAttributeValue(last), "HazardSurface");
}
