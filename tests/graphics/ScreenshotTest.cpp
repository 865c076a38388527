// vantora-sim --render and --screenshot: options, and a real run writing PNG files.
#include "app/SimOptions.h"
#include "graphics/ImageFile.h"
#include "support/TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>

TEST(SimRenderOptions, ScreenshotsRepeatAndImplyRendering)
{
    const char* args[] = {"--screenshot", "a@b.png@12", "--screenshot", "c.png@0"};
    std::string error;
    const std::optional<SimOptions> options = ParseSimOptions(4, args, error);
    ASSERT_TRUE(options) << error;
    EXPECT_TRUE(options->render);
    ASSERT_EQ(options->screenshots.size(), 2u);
    EXPECT_EQ(options->screenshots[0].path, "a@b.png");
    EXPECT_EQ(options->screenshots[0].frame, 12);
    EXPECT_EQ(options->screenshots[1].frame, 0);

    const char* render[] = {"--render", "--frames", "3"};
    EXPECT_TRUE(ParseSimOptions(3, render, error)->render);
    for (const char* bad : {"shot.png", "@3", "shot.png@", "shot.png@-1", "shot.png@x"})
    {
        const char* args2[] = {"--screenshot", bad};
        EXPECT_FALSE(ParseSimOptions(2, args2, error)) << bad;
    }
}

TEST(SimRenderOptions, TheRunnerWritesTheAskedFramesAsPngFiles)
{
    TempFolder out;
    const std::string first = (out.Path() / "first.png").string();
    const std::string second = (out.Path() / "second.png").string();
    const std::string command = std::string(VANTORA_SIM_PATH) + " --root " + VANTORA_SOURCE_DIR +
                                " --scene watertrack --frames 3 --seed 1 --screenshot " + first +
                                "@0 --screenshot " + second + "@2 > " + (out.Path() / "log.txt").string() +
                                " 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream logFile(out.Path() / "log.txt");
    const std::string log((std::istreambuf_iterator<char>(logFile)), std::istreambuf_iterator<char>());
    if (status != 0 && log.find("needs OpenGL 3.3") != std::string::npos)
        GTEST_SKIP() << "no OpenGL 3.3 driver on SDL's offscreen video driver: rendering is not tested here";
    ASSERT_EQ(status, 0) << log;
    for (const std::string& path : {first, second})
    {
        DecodedImage image;
        std::string error;
        ASSERT_TRUE(DecodeImageFile(path, image, error)) << path << ": " << error;
        EXPECT_EQ(image.width, 1280);
        EXPECT_EQ(image.height, 720);
        // The default camera looks over the track: sky, sea and boards, not one flat colour.
        std::set<unsigned> colours;
        for (size_t i = 0; i < image.rgba.size(); i += 4 * 997)
            colours.insert(image.rgba[i] << 16 | image.rgba[i + 1] << 8 | image.rgba[i + 2]);
        EXPECT_GT(colours.size(), 20u) << path;
    }
}
