// The texture tool: noise that tiles, normal maps from heights, and every recipe paints.
#include "texturetool/Noise.h"
#include "texturetool/Recipes.h"

#include <gtest/gtest.h>

TEST(TextureTool, NoiseRepeatsAfterItsPeriod)
{
    const Noise noise(7);
    for (float x : {0.3f, 1.7f, 5.2f})
    {
        EXPECT_NEAR(noise.Value(x, 2.5f, 4, 3), noise.Value(x + 4, 2.5f + 3, 4, 3), 1e-5f);
        EXPECT_NEAR(noise.Fbm(x, 1.0f, 4, 4, 4), noise.Fbm(x + 4, 1.0f, 4, 4, 4), 1e-5f);
        EXPECT_NEAR(noise.Cells(x, 0.5f, 4, 4).first, noise.Cells(x + 4, 0.5f, 4, 4).first, 1e-4f);
        EXPECT_GE(noise.Value(x, x, 4, 4), 0.0f);
        EXPECT_LE(noise.Value(x, x, 4, 4), 1.0f);
    }
}

TEST(TextureTool, NormalMapsLeanAwayFromRisingHeight)
{
    Canvas flat(4, 4);
    flat.Fill([](float, float) { return Rgba{0.5f, 0.5f, 0.5f, 1}; });
    const DecodedImage up = NormalMapFromHeight(flat, 3.0f).ToImage();
    EXPECT_EQ(up.rgba[0], 128);
    EXPECT_EQ(up.rgba[2], 255);

    Canvas ramp(4, 4);
    ramp.Fill([](float u, float) { return Rgba{u < 0.5f ? 0.0f : 1.0f, 0, 0, 1}; });
    const Canvas normals = NormalMapFromHeight(ramp, 1.0f);
    EXPECT_LT(normals.At(1, 0).r, 0.5f) << "height rises to the right: the normal leans left";
    EXPECT_NEAR(normals.At(1, 0).g, 0.5f, 1e-6f);
}

TEST(TextureTool, EveryRecipePaintsAnImageOfModestSize)
{
    for (const Recipe& recipe : AllRecipes())
    {
        const DecodedImage image = recipe.paint().ToImage();
        EXPECT_FALSE(image.IsEmpty()) << recipe.fileName;
        EXPECT_LE(image.width, 512) << recipe.fileName;
        EXPECT_LE(image.height, 512) << recipe.fileName;
    }
}
