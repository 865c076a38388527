// The track plot: it draws every generated scene, and draws it the way the game's camera sees
// the world, not mirrored.
#include "graphics/ImageFile.h"
#include "graphics/ViewMatrices.h"
#include "support/ProgramRun.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace
{
const std::string kScript = std::string(VANTORA_SOURCE_DIR) + "/tools/trackgen/plot_track.py";

int Plot(const std::filesystem::path& scene, const std::filesystem::path& png, std::string* output = nullptr)
{
    return RunProgram(std::string(VANTORA_PYTHON) + " " + Quoted(kScript) + " " + Quoted(scene.string()) +
                          " " + Quoted(png.string()),
                      output);
}

std::string Vector(const char* name, float x, float y, float z, float w)
{
    return "<Vector4 name=\"" + std::string(name) + "\"><float value=\"" + std::to_string(x) +
           "\"/><float value=\"" + std::to_string(y) + "\"/><float value=\"" + std::to_string(z) +
           "\"/><float value=\"" + std::to_string(w) + "\"/></Vector4>";
}

std::string Placed(const std::string& archetype, float x, float z, float size)
{
    return "<Object archetype=\"" + archetype +
           "\"><uint name=\"objID\" value=\"0\"/><Overrides><Transform>" + Vector("position", x, 0, z, 1) +
           Vector("scale", size, 1, size, 0) + Vector("rotation", 0, 0, 0, 1) +
           "</Transform></Overrides></Object>\n";
}

// Ground at the origin, a racer 40 along +x and a gate 40 along +z; and the objects a generated
// scene has without a position of its own.
const std::string kLayout = "<Scene>\n" + Placed("GroundPiece", 0, 0, 2) + Placed("Racer1", 40, 0, 1) +
                            Placed("Gate", 0, 40, 2) +
                            "<Object archetype=\"SkyDome\"><uint name=\"objID\" value=\"2\"/><Overrides>"
                            "<MeshRenderer><string name=\"textureName\" value=\"sky\"/></MeshRenderer>"
                            "</Overrides></Object>\n"
                            "<Object archetype=\"RaceLogic\"><Overrides/></Object>\n"
                            "<Object archetype=\"Marker\"/>\n</Scene>\n";

struct Rgb
{
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

Rgb PixelAt(const DecodedImage& image, int x, int y)
{
    const size_t i = (static_cast<size_t>(y) * image.width + x) * 4;
    return {image.rgba[i], image.rgba[i + 1], image.rgba[i + 2]};
}

void PrintTo(const Rgb& c, std::ostream* out)
{
    *out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}
} // namespace

TEST(PlotTrack, TheGameSeesPlusXOnTheLeftWhenFacingPlusZ)
{
    const Matrix4 view = ViewMatrices::LookAtRH({0, 0, 0, 1}, {0, 0, 1, 1}, {0, 1, 0, 0});
    EXPECT_LT((view * Vector4{1, 0, 0, 1}).x, 0.0f) << "the map below follows this";
}

TEST(PlotTrack, DrawsTheShippedSceneWithItsSkyDome)
{
    TempFolder folder;
    std::string output;
    ASSERT_EQ(
        Plot(std::string(VANTORA_SOURCE_DIR) + "/res/scene/watertrack.xml", folder.Path() / "w.png", &output),
        0)
        << output;
    DecodedImage image;
    std::string error;
    ASSERT_TRUE(DecodeImageFile((folder.Path() / "w.png").string(), image, error)) << error;
    EXPECT_EQ(image.width, 800);
}

TEST(PlotTrack, DrawsAMapWithPlusZUpAndPlusXLeftAndSkipsObjectsWithoutPosition)
{
    TempFolder folder;
    folder.Write("tiny.xml", kLayout);
    std::string output;
    ASSERT_EQ(Plot(folder.Path() / "tiny.xml", folder.Path() / "tiny.png", &output), 0) << output;
    EXPECT_NE(output.find("3 objects drawn, 3 without a position"), std::string::npos) << output;
    DecodedImage image;
    std::string error;
    ASSERT_TRUE(DecodeImageFile((folder.Path() / "tiny.png").string(), image, error)) << error;
    ASSERT_EQ(image.width, 800);
    const Rgb racer{30, 60, 220}, ground{200, 220, 240}, gate{220, 30, 30};
    EXPECT_EQ(PixelAt(image, 20, 780), racer) << "+x is on the left, at the bottom";
    EXPECT_EQ(PixelAt(image, 780, 780), ground) << "the origin is at the bottom right";
    EXPECT_EQ(PixelAt(image, 780, 20), gate) << "+z is up";
    EXPECT_EQ(PixelAt(image, 20, 20), (Rgb{255, 255, 255}));
}

TEST(PlotTrack, BadScenesGiveOneLineAndAnError)
{
    TempFolder folder;
    folder.Write("broken.xml", "<Scene><Object");
    folder.Write("empty.xml", "<Scene><Object archetype=\"RaceLogic\"><Overrides/></Object></Scene>");
    std::string output;
    EXPECT_EQ(Plot(folder.Path() / "broken.xml", folder.Path() / "b.png", &output), 1);
    EXPECT_NE(output.find("not a well-formed scene"), std::string::npos) << output;
    EXPECT_EQ(Plot(folder.Path() / "empty.xml", folder.Path() / "e.png", &output), 1);
    EXPECT_NE(output.find("no object in the scene has a position"), std::string::npos) << output;
    EXPECT_EQ(Plot(folder.Path() / "missing.xml", folder.Path() / "m.png", &output), 1);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "b.png"));
    EXPECT_EQ(output.find("Traceback"), std::string::npos) << output;
}
