// The level select's track pictures: drawn by the runner from the track itself, at the size the
// level select shows them.
#include "app/TrackPreview.h"
#include "app/SimOptions.h"
#include "graphics/ImageFile.h"
#include "support/TestSupport.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace
{
DecodedImage Picture(int width, int height, const std::vector<unsigned char>& greys)
{
    DecodedImage image;
    image.width = width;
    image.height = height;
    for (unsigned char grey : greys)
        image.rgba.insert(image.rgba.end(), {grey, grey, grey, 255});
    return image;
}

int Shell(const std::string& command)
{
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
} // namespace

TEST(TrackPreview, ShrinkingAveragesTheSourcePixelsEachPixelCovers)
{
    // 4 x 2 to 2 x 1: each pixel the mean of a 2 x 2 block, rounded.
    const DecodedImage small = TrackPreview::Shrink(Picture(4, 2, {0, 10, 100, 200, 20, 31, 100, 201}), 2, 1);
    ASSERT_EQ(small.width, 2);
    ASSERT_EQ(small.height, 1);
    EXPECT_EQ(small.rgba[0], 15);  // (0 + 10 + 20 + 31) / 4 = 15.25
    EXPECT_EQ(small.rgba[4], 150); // (100 + 200 + 100 + 201) / 4 = 150.25
    EXPECT_EQ(small.rgba[7], 255);
    // 1280 x 720 to the preview size: 2.22 source pixels a pixel, which must not run off the edge.
    const DecodedImage frame = Picture(1280, 720, std::vector<unsigned char>(1280 * 720, 77));
    const DecodedImage preview = TrackPreview::Shrink(frame, TrackPreview::kWidth, TrackPreview::kHeight);
    EXPECT_EQ(preview.rgba.size(), static_cast<size_t>(576 * 324 * 4));
    int others = 0;
    for (size_t i = 0; i < preview.rgba.size(); i += 4)
        others += preview.rgba[i] != 77 || preview.rgba[i + 2] != 77;
    EXPECT_EQ(others, 0) << "a flat picture stays flat to its last row and column";
    EXPECT_TRUE(TrackPreview::Shrink(DecodedImage{}, 4, 4).IsEmpty());
}

TEST(TrackPreview, TheOptionTakesATrackAndAFileAndDraws)
{
    std::string error;
    const char* args[] = {"--preview", "firetrack", "fire.png"};
    const std::optional<SimOptions> options = ParseSimOptions(3, args, error);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->preview->track, "firetrack");
    EXPECT_EQ(options->preview->path, "fire.png");
    EXPECT_TRUE(options->render);
    EXPECT_FALSE(ParseSimOptions(2, args, error)) << "a track without a file";
    EXPECT_EQ(error, "option '--preview' needs a track name and a file");
}

TEST(TrackPreview, TheRunnerDrawsAShippedTrackAtThePreviewSize)
{
    TempFolder out;
    const auto picture = out.Path() / "fire.png";
    ASSERT_EQ(Shell(std::string(VANTORA_SIM_PATH) + " --root " + VANTORA_SOURCE_DIR +
                    " --preview firetrack " + picture.string() + " > /dev/null"),
              0);
    DecodedImage image;
    std::string error;
    ASSERT_TRUE(DecodeImageFile(picture.string(), image, error)) << error;
    EXPECT_EQ(image.width, TrackPreview::kWidth);
    EXPECT_EQ(image.height, TrackPreview::kHeight);
    // The lava round the track is in the lower half: red well above blue.
    long red = 0, blue = 0;
    for (size_t i = image.rgba.size() / 2; i < image.rgba.size(); i += 4)
    {
        red += image.rgba[i];
        blue += image.rgba[i + 2];
    }
    EXPECT_GT(red, blue * 2);
    EXPECT_NE(Shell(std::string(VANTORA_SIM_PATH) + " --root " + VANTORA_SOURCE_DIR + " --preview nowhere " +
                    (out.Path() / "none.png").string() + " > /dev/null"),
              0)
        << "a scene without a track draws nothing";
}
