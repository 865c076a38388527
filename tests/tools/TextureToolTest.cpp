// The texture tool: noise that tiles, normal maps from heights, recipe files, and imported pictures.
#include "support/ProgramRun.h"
#include "support/TestSupport.h"
#include "texturetool/ImageImport.h"
#include "texturetool/Noise.h"
#include "texturetool/RecipeParser.h"
#include "texturetool/Recipes.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace
{
const std::filesystem::path kSource = VANTORA_SOURCE_DIR;
const std::string kTool = VANTORA_TEXTURETOOL_PATH;

TextureRecipe Parse(const std::string& text)
{
    std::vector<std::string> errors;
    std::optional<TextureRecipe> recipe = ParseRecipe(text, "test.recipe", errors);
    EXPECT_TRUE(recipe.has_value()) << (errors.empty() ? "" : errors[0]);
    return recipe.value_or(TextureRecipe{});
}

// The first mistake found in `text`, or "" when it reads.
std::string FirstError(const std::string& text)
{
    std::vector<std::string> errors;
    const bool read = ParseRecipe(text, "bad.recipe", errors).has_value();
    EXPECT_EQ(read, errors.empty());
    return errors.empty() ? "" : errors[0];
}

// Pixels of `painted` and the file `path` differ nowhere (alpha only where the file has it).
void ExpectSamePixels(const DecodedImage& painted, bool withAlpha, const std::filesystem::path& path)
{
    DecodedImage shipped;
    std::string error;
    ASSERT_TRUE(DecodeImageFile(path.string(), shipped, error)) << path << ": " << error;
    ASSERT_EQ(painted.width, shipped.width) << path;
    ASSERT_EQ(painted.height, shipped.height) << path;
    size_t differing = 0;
    for (size_t i = 0; i < painted.rgba.size(); ++i)
        differing += (i % 4 != 3 || withAlpha) && painted.rgba[i] != shipped.rgba[i];
    EXPECT_EQ(differing, 0u) << path << " is not what its recipe paints: regenerate it";
}
} // namespace

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

// Recipes moved from code to files paint the same textures, to the byte, and nobody edits a
// recipe without regenerating its picture.
TEST(TextureTool, ShippedTexturesAreWhatTheirRecipesPaint)
{
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kSource / "tools/texturetool/recipes"))
    {
        std::vector<std::string> errors;
        const std::optional<TextureRecipe> recipe = LoadRecipeFile(entry.path().string(), errors);
        ASSERT_TRUE(recipe) << errors[0];
        ExpectSamePixels(recipe->Paint().ToImage(), recipe->withAlpha,
                         kSource / "res/textures" / recipe->fileName);
        ++files;
    }
    EXPECT_EQ(files, 45);
    for (const Recipe& recipe : AllRecipes())
        ExpectSamePixels(recipe.paint().ToImage(), recipe.withAlpha,
                         kSource / "res/textures" / recipe.fileName);
}

TEST(TextureRecipe, LayersMixOverTheBaseInTheirBandWithRampsFadesAndHexColours)
{
    const TextureRecipe recipe = Parse("size 4 2   # four by two\n"
                                       "base #ff0000\n"
                                       "fill colour 0,0,1 band u 0.5 1\n"
                                       "gradient band u 0 0.5 ramp 0:0,0,0 1:0,1,0 amount 0.5\n");
    const DecodedImage image = recipe.Paint().ToImage();
    ASSERT_EQ(image.width, 4);
    ASSERT_EQ(image.height, 2);
    auto pixel = [&image](int x, int y, int c) { return static_cast<int>(image.rgba[(y * 4 + x) * 4 + c]); };
    EXPECT_EQ(pixel(3, 0, 2), 255) << "right half: blue over red";
    EXPECT_EQ(pixel(3, 0, 0), 0);
    // Left half: half of a black-to-green ramp over red, at a quarter and three quarters along it.
    EXPECT_EQ(pixel(0, 0, 0), 128);
    EXPECT_EQ(pixel(0, 1, 1), 32);
    EXPECT_EQ(pixel(1, 0, 1), 96);
}

TEST(TextureRecipe, EachMistakeNamesTheFileAndLineAndNothingIsPainted)
{
    EXPECT_EQ(FirstError("size 256 256\nnoise 4 4 3 colour 1,1,1\n"), "");
    EXPECT_EQ(FirstError("size 256 256\nnoize 4 4 3 colour 1,1,1\n"),
              "bad.recipe:2: 'noize' is no setting or pattern");
    EXPECT_EQ(FirstError("size 300 256\n"),
              "bad.recipe:1: width and height must be powers of two (16, 32 ... 4096)");
    EXPECT_EQ(FirstError("\n\nnoise 4 4 3\n"), "bad.recipe:3: a layer needs a 'colour' or a 'ramp'");
    EXPECT_EQ(FirstError("fill colour 255,0,0\n"),
              "bad.recipe:1: '255,0,0' is no colour (r,g,b or r,g,b,a from 0 to 1, or #rrggbb)");
    EXPECT_EQ(FirstError("fill ramp 0:1,1,1 0:0,0,0\n"), "bad.recipe:1: ramp positions must rise");
    EXPECT_EQ(FirstError("noise 4 4 3 colour 1,1,1 levels 0.5\n"), "bad.recipe:1: missing levels");
    EXPECT_EQ(FirstError("noise 4 4 3.5 colour 1,1,1\n"),
              "bad.recipe:1: octaves must be a whole number from 1 to 8");
    EXPECT_EQ(FirstError("cells 4 4 middle colour 1,1,1\n"),
              "bad.recipe:1: 'middle' is no part of this pattern: 'edges', 'nearest'");
    EXPECT_EQ(FirstError("checker 2 2 colour 1,1,1 warp 4 4 2 1 1\n"),
              "bad.recipe:1: only noise, cells and stripes can be warped");
    EXPECT_EQ(FirstError("seed 3 4\n"), "bad.recipe:1: '4' is one word too many");
    EXPECT_EQ(FirstError("fill colour 1,1,1 band v 0.5 0.5\n"),
              "bad.recipe:1: a band must end after it starts");
}

TEST(TextureToolProgram, ARecipeFileIsPaintedAndABadOneFailsWithoutWriting)
{
    TempFolder folder;
    folder.Write("sand.recipe", "size 32 16\nbase 0.9,0.8,0.5\nnoise 4 2 3 colour 0.7,0.6,0.4 amount 0.5\n");
    folder.Write("mud.recipe", "size 32 16\nbase 0.4,0.3,0.2\nnoise 4 2 three colour 0,0,0\n");
    std::string output;
    const std::string out = Quoted(folder.Path().string());
    ASSERT_EQ(RunProgram(kTool + " recipe " + Quoted((folder.Path() / "sand.recipe").string()) + " " + out,
                         &output),
              0)
        << output;
    DecodedImage sand;
    std::string error;
    ASSERT_TRUE(DecodeImageFile((folder.Path() / "sand.png").string(), sand, error)) << error;
    EXPECT_EQ(sand.width, 32);
    EXPECT_EQ(
        RunProgram(kTool + " recipe " + Quoted((folder.Path() / "mud.recipe").string()) + " " + out, &output),
        1);
    EXPECT_NE(output.find("mud.recipe:3: octaves must be a number, not 'three'"), std::string::npos)
        << output;
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "mud.png"));
    // A bad file among the recipes stops 'all' before anything is written.
    std::filesystem::create_directory(folder.Path() / "textures");
    EXPECT_EQ(
        RunProgram(kTool + " --recipes " + out + " all " + Quoted((folder.Path() / "textures").string()),
                   &output),
        1);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path() / "textures")) << output;
}

TEST(ImageImport, SidesGoToTheNearestPowerOfTwo)
{
    EXPECT_EQ(NearestPowerOfTwo(1), 1);
    EXPECT_EQ(NearestPowerOfTwo(3), 4);
    EXPECT_EQ(NearestPowerOfTwo(256), 256);
    EXPECT_EQ(NearestPowerOfTwo(362), 256);
    EXPECT_EQ(NearestPowerOfTwo(363), 512);
    EXPECT_EQ(NearestPowerOfTwo(100000), kMaxImportSize);
}

TEST(TextureToolProgram, ImportedPicturesArePowersOfTwoAndKeepTheirLayout)
{
    TempFolder folder;
    DecodedImage picture;
    picture.width = 300;
    picture.height = 180;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.rgba.insert(picture.rgba.end(), {static_cast<unsigned char>(x < 150 ? 250 : 0), 0,
                                                     static_cast<unsigned char>(x < 150 ? 0 : 250), 255});
    ASSERT_TRUE(WritePngFile((folder.Path() / "photo.png").string(), picture));
    std::string output;
    ASSERT_EQ(RunProgram(kTool + " import " + Quoted((folder.Path() / "photo.png").string()) + " " +
                             Quoted((folder.Path() / "flag.png").string()),
                         &output),
              0)
        << output;
    DecodedImage flag;
    std::string error;
    ASSERT_TRUE(DecodeImageFile((folder.Path() / "flag.png").string(), flag, error)) << error;
    EXPECT_EQ(flag.width, 256);
    EXPECT_EQ(flag.height, 128);
    const size_t left = (64 * 256 + 64) * 4, right = (64 * 256 + 192) * 4;
    EXPECT_EQ(flag.rgba[left], 250);
    EXPECT_EQ(flag.rgba[right + 2], 250);
    EXPECT_EQ(RunProgram(kTool + " import " + Quoted((folder.Path() / "photo.png").string()) + " " +
                             Quoted((folder.Path() / "odd.png").string()) + " 100 64",
                         &output),
              1);
    EXPECT_EQ(RunProgram(kTool + " import " + Quoted((folder.Path() / "none.png").string()) + " " +
                             Quoted((folder.Path() / "x.png").string()),
                         &output),
              1);
    EXPECT_NE(output.find("none.png: cannot read the picture"), std::string::npos) << output;
}
