#include "objects/XmlFile.h"
#include "support/ProgramRun.h"
#include "support/TestSupport.h"
#include "trackgen/TrackDescription.h"
#include "trackgen/TrackLayout.h"
#include "trackgen/TrackSceneWriter.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

namespace
{
const char* kSquare = R"(name square
width 10
piece 5
gates 4
node_spacing 8
grid_offset 6
point 0 0
point 0 100
point 100 100 5
point 100 0
gap 150 6
)";

TrackLayout Square()
{
    std::vector<std::string> errors;
    TrackLayout layout = BuildTrackLayout(ParseTrackDescription(kSquare, errors));
    EXPECT_TRUE(errors.empty());
    return layout;
}
} // namespace

TEST(TrackDescription, ReportsBadLinesAndKeepsTheRest)
{
    std::vector<std::string> errors;
    const TrackDescription d =
        ParseTrackDescription("width 12\nwidth banana\nfly 3\npoint 1\npoint 0 0 # comment\n", errors);
    EXPECT_EQ(d.width, 12.0f);
    ASSERT_EQ(errors.size(), 4u) << "three bad lines and too few points";
    EXPECT_NE(errors[0].find("line 2"), std::string::npos);
    EXPECT_EQ(d.points.size(), 1u);
}

TEST(TrackDescription, AValueTooManyIsAnError)
{
    std::vector<std::string> errors;
    ParseTrackDescription("point 0 0\npoint 0 9\npoint 9 9 0 18 -6 2\nname water track\n", errors);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_NE(errors[0].find("line 3"), std::string::npos);
    EXPECT_NE(errors[1].find("line 4"), std::string::npos);
}

namespace
{
// Runs vantora-trackgen on `description` into res/scene/square.xml of `folder`.
int GenerateTrack(const TempFolder& folder, const std::string& description, std::string* output)
{
    folder.Write("square.track", description);
    std::filesystem::create_directories(folder.Path() / "res" / "scene");
    std::filesystem::create_directories(folder.Path() / "res" / "models");
    return RunProgram(std::string(VANTORA_TRACKGEN_PATH) + " " +
                          Quoted((folder.Path() / "square.track").string()) + " " +
                          Quoted((folder.Path() / "res" / "scene" / "square.xml").string()),
                      output);
}
} // namespace

TEST(TrackGenProgram, WritesTheSceneAndMeshesOfAGoodDescription)
{
    TempFolder folder;
    std::string output;
    ASSERT_EQ(GenerateTrack(folder, kSquare, &output), 0) << output;
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "res" / "scene" / "square.xml"));
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "res" / "models" / "square_ground.tbm"));
}

TEST(TrackGenProgram, ADescriptionWithAnErrorWritesNothingAndFails)
{
    TempFolder folder;
    std::string output;
    EXPECT_EQ(GenerateTrack(folder, std::string(kSquare) + "gap 300\n", &output), 1);
    EXPECT_NE(output.find("square.track: line 12: cannot read 'gap 300'"), std::string::npos) << output;
    EXPECT_NE(output.find("nothing written"), std::string::npos) << output;
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path() / "res" / "scene"));
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path() / "res" / "models"));
}

TEST(TrackLayout, GatesAreNumberedInLapOrderWithTheLastOnTheFinishLine)
{
    const TrackLayout layout = Square();
    ASSERT_EQ(layout.gates.size(), 4u);
    for (size_t i = 0; i < layout.gates.size(); ++i)
        EXPECT_EQ(layout.gates[i].number, static_cast<int>(i) + 1);
    const Vector4 finish = layout.gates.back().box.position;
    EXPECT_NEAR(finish.x, 0.0f, 0.5f);
    EXPECT_NEAR(finish.z, 0.0f, 0.5f);
    for (size_t i = 0; i < layout.gates.size(); ++i)
    {
        const Vector4 toNext =
            layout.gates[(i + 1) % layout.gates.size()].box.position - layout.gates[i].box.position;
        EXPECT_GT(layout.gates[i].facing.Dot(toNext), 0.0f)
            << "gate " << i + 1 << " faces the way the lap runs";
    }
}

TEST(TrackLayout, GroundCoversTheLoopExceptTheGapWhereNodesSayJump)
{
    const TrackLayout layout = Square();
    EXPECT_GT(layout.length, 360.0f);
    float covered = 0.0f;
    for (const Placement& piece : layout.ground)
        covered += piece.scale.z;
    EXPECT_GT(covered, layout.length - 12.0f);
    EXPECT_EQ(layout.walls.size(), layout.ground.size() * 2);
    int jumps = 0;
    for (const NodePlacement& node : layout.nodes)
    {
        jumps += node.shouldJump;
        EXPECT_NEAR(node.facing.Length(), 1.0f, 1e-4);
        EXPECT_EQ(node.facing.y, 0.0f);
    }
    EXPECT_GE(jumps, 1);
    EXPECT_EQ(layout.groundNeighbours.size(), layout.ground.size());
}

TEST(TrackLayout, GroundPieceTopsFollowTheCentreLineHeight)
{
    const TrackLayout layout = Square();
    for (const Placement& piece : layout.ground)
    {
        const Vector4 up = piece.rotation.Rotate({0, 1, 0, 0});
        const Vector4 top = piece.position + up * (piece.scale.y * 0.5f);
        // The smooth centre line may swing a little past the control heights (0 and 5).
        EXPECT_GE(top.y, -1.0f);
        EXPECT_LE(top.y, 6.0f);
        EXPECT_TRUE(piece.position.IsFinite());
    }
}

TEST(TrackSceneWriter, WritesRacersFirstAndNeighbourIdsThatExist)
{
    const TrackLayout layout = Square();
    TempFolder folder;
    const std::string path = (folder.Path() / "square.xml").string();
    ASSERT_TRUE(WriteTrackScene(layout, TrackArchetypes{}, path));
    XmlFile scene(path);
    ASSERT_TRUE(scene.IsLoaded());
    const XmlElement* first = scene.GetRoot()->FirstChildElement();
    EXPECT_EQ(XmlFile::FirstAttributeValue(first), "Racer1");
    unsigned id = 0;
    XmlFile::ReadValue(id, XmlFile::FindChildElement(first, "uint", "objID"));
    EXPECT_EQ(id, 1u);
    int entries = 0;
    for (const XmlElement* e = first; e; e = e->NextSiblingElement())
        ++entries;
    // Racers, ground, walls, gates, nodes and the level's logic object.
    const size_t expected =
        4 + layout.ground.size() + layout.walls.size() + layout.gates.size() + layout.nodes.size() + 1;
    EXPECT_EQ(static_cast<size_t>(entries), expected);
}

TEST(TrackLayout, OrbSpawnersLineTheLoopInTurnAcrossItButNeverOverTheGap)
{
    std::vector<std::string> errors;
    const TrackDescription d = ParseTrackDescription(
        std::string(kSquare) + "orbs 20 -3 0 3\nboost 60 2\norbs 2\nboost -5\n", errors);
    ASSERT_EQ(errors.size(), 2u) << "a spacing under 5 and a boost before the finish line are mistakes";
    const TrackLayout layout = BuildTrackLayout(d);
    const TrackLayout centred =
        BuildTrackLayout(ParseTrackDescription(std::string(kSquare) + "orbs 20\n", errors));
    ASSERT_GE(layout.orbSpawners.size(), 15u);
    ASSERT_EQ(layout.orbSpawners.size(), centred.orbSpawners.size());
    for (const Placement& orb : layout.orbSpawners)
        EXPECT_GT(std::hypot(orb.position.x - 53.0f, orb.position.z - 100.0f), 6.0f)
            << "no orb floats over the gap, 150 along the line";
    // Offsets are taken in turn: left of the centre line, on it, right of it.
    for (size_t i = 0; i + 1 < layout.orbSpawners.size(); ++i)
    {
        const Vector4 along = centred.orbSpawners[i + 1].position - centred.orbSpawners[i].position;
        const Vector4 aside = layout.orbSpawners[i].position - centred.orbSpawners[i].position;
        const float right = (aside.x * along.z - aside.z * along.x) / along.Length();
        EXPECT_NEAR(right, 3.0f * static_cast<float>(i % 3) - 3.0f, 0.6f) << "orb " << i;
    }
    ASSERT_EQ(layout.boosts.size(), 1u);
    EXPECT_NEAR(layout.boosts[0].position.y, 0.0f, 0.5f) << "a boost pad lies on the boards";
}
