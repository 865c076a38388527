// Resource formats and tables without a device: .tbm parsing, effect files, names and
// fallbacks, mipmaps and the texture decoder.
#include "graphics/EffectSource.h"
#include "graphics/ImageFile.h"
#include "graphics/Material.h"
#include "graphics/Material_Texture.h"
#include "graphics/ResourceTables.h"
#include "graphics/TbmFile.h"
#include "graphics/TextureDecoder.h"
#include "graphics/VertexLayout.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

namespace
{
std::vector<unsigned char> ModelFile(uint32_t claimed, uint32_t stored)
{
    std::vector<ModelVertex> vertices(stored);
    for (uint32_t i = 0; i < stored; ++i)
        vertices[i].position[0] = static_cast<float>(i);
    return EncodeTbm(
        1, claimed,
        {reinterpret_cast<const unsigned char*>(vertices.data()), vertices.size() * sizeof(ModelVertex)});
}
} // namespace

TEST(TbmFile, ParsesTheHeaderAndPointsAtTheVertices)
{
    std::vector<unsigned char> bytes = ModelFile(4, 4);
    bytes.push_back(0xAB); // trailing bytes are ignored
    std::string error;
    const std::optional<TbmMesh> mesh = ParseTbm(bytes, error);
    ASSERT_TRUE(mesh) << error;
    EXPECT_EQ(mesh->vertexType, 1u);
    EXPECT_EQ(mesh->vertexCount, 4u);
    EXPECT_EQ(mesh->stride, 96u);
    EXPECT_EQ(mesh->vertices.size(), 4u * 96u);
    float x = 0;
    std::memcpy(&x, mesh->vertices.data() + 3 * 96, sizeof x);
    EXPECT_EQ(x, 3.0f);
    EXPECT_TRUE(ParseTbm(ModelFile(0, 0), error)) << "no vertices is a valid, empty mesh";
}

TEST(TbmFile, RejectsShortFilesBadTypesAndCountsBeyondTheFile)
{
    std::string error;
    std::vector<unsigned char> bytes = ModelFile(3, 2);
    EXPECT_FALSE(ParseTbm(bytes, error));
    EXPECT_NE(error.find("3 vertices need 288 bytes, the file has 192"), std::string::npos) << error;
    EXPECT_FALSE(ParseTbm(std::vector<unsigned char>(15, 0), error));
    EXPECT_EQ(error, "shorter than its 16-byte header");
    EXPECT_FALSE(ParseTbm(EncodeTbm(3, 0, {}), error));
    EXPECT_EQ(error, "vertex type 3 is not 0, 1 or 2");
    // 0xFFFFFFFF particle records would overflow a 32-bit size.
    EXPECT_FALSE(ParseTbm(EncodeTbm(2, 0xFFFFFFFFu, {}), error));
    EXPECT_NE(error.find("652835028840 bytes"), std::string::npos) << error;
}

TEST(VertexLayout, TheThreeLayoutsHaveTheirStrides)
{
    EXPECT_EQ(FindVertexLayout(0)->stride, 32u);
    EXPECT_EQ(FindVertexLayout(1)->stride, 96u);
    EXPECT_EQ(FindVertexLayout(1)->elements.size(), 6u);
    EXPECT_EQ(FindVertexLayout(2)->stride, 152u);
    EXPECT_EQ(FindVertexLayout(2)->elements.back().offset, 88u);
    EXPECT_EQ(FindVertexLayout(3), nullptr);
}

TEST(EffectSource, SplitsStagesReadsPassStatesAndExpandsIncludes)
{
    const std::string text =
        "#pass depthWrite off\n#pass blend additive\n#pass cull none\n#pass fill wireframe\n"
        "#include \"matrix.fx\"\n#ifdef VERTEX\nvoid main() {}\n#endif\n";
    std::vector<std::string> asked;
    const EffectSource source =
        ParseEffectSource(text,
                          [&](const std::string& name)
                          {
                              asked.push_back(name);
                              return std::optional<std::string>("uniform mat4 projMat;\n");
                          });
    EXPECT_TRUE(source.errors.empty());
    EXPECT_EQ(asked, std::vector<std::string>{"matrix.fx"});
    EXPECT_EQ(source.pass, (PassState{true, false, BlendMode::Additive, CullMode::None, true}));
    EXPECT_EQ(source.vertex.rfind("#version 330 core\n#define VERTEX\n", 0), 0u);
    EXPECT_EQ(source.fragment.rfind("#version 330 core\n#define FRAGMENT\n", 0), 0u);
    EXPECT_NE(source.vertex.find("#line 1 1\nuniform mat4 projMat;\n#line 6 0\n"), std::string::npos)
        << "the included text, numbered as its own source, then back to line 6 of the file";
    EXPECT_EQ(source.vertex.find("#pass"), std::string::npos);
}

TEST(EffectSource, ReportsUnknownPassStatesAndMissingIncludes)
{
    const EffectSource source =
        ParseEffectSource("#pass blend sometimes\n#include \"gone.fx\"\n#include nothing\n",
                          [](const std::string&) { return std::optional<std::string>(); });
    ASSERT_EQ(source.errors.size(), 3u);
    EXPECT_EQ(source.errors[0], "line 1: unknown pass state 'blend sometimes'");
    EXPECT_EQ(source.errors[1], "cannot include \"gone.fx\"");
    EXPECT_EQ(source.pass, PassState{}) << "defaults stand";
}

TEST(EffectSource, RunawayIncludesStopWithOneLineNamingTheFile)
{
    // Includes of "NAME" on eight lines, then one line of code.
    auto eightTimes = [](const std::string& name)
    {
        std::string text;
        for (int line = 0; line < 8; ++line)
            text += "#include \"" + name + "\"\n";
        return text + "float x;\n";
    };
    // Answers only so often, so that an unbounded expansion still ends (and fails below).
    int reads = 0;
    auto answer = [&reads](const std::string& text)
    { return ++reads <= 5000 ? std::optional<std::string>(text) : std::optional<std::string>(); };

    // A file that includes itself eight times would expand 8^8 times.
    const EffectSource self = ParseEffectSource(eightTimes("self.fx"), [&](const std::string&)
                                                { return answer(eightTimes("self.fx")); });
    EXPECT_EQ(reads, 8);
    EXPECT_EQ(self.errors, std::vector<std::string>{"\"self.fx\" is nested more than 8 includes deep; the "
                                                    "includes from there on are left out"});

    // Seven levels of distinct files, each including the next eight times: 8^7 without a total.
    reads = 0;
    const EffectSource wide = ParseEffectSource(
        eightTimes("level1.fx"),
        [&](const std::string& name)
        {
            const int level = name[5] - '0';
            return answer(level < 7 ? eightTimes("level" + std::to_string(level + 1) + ".fx") : "float y;\n");
        });
    EXPECT_EQ(reads, 65);
    EXPECT_EQ(wide.errors, std::vector<std::string>{"\"level7.fx\" goes past 64 includes or 4 MB of included "
                                                    "text; the includes from there on are left out"});
    EXPECT_LT(wide.vertex.size(), 64u * 256u);

    const std::string huge(5u * 1024 * 1024, ' ');
    const EffectSource big =
        ParseEffectSource("#include \"big.fx\"\n", [&](const std::string&) { return std::optional(huge); });
    EXPECT_EQ(big.errors.size(), 1u);
    EXPECT_LT(big.vertex.size(), 1024u);
}

TEST(ResourceTables, NamesKeysAndFallbacks)
{
    EXPECT_EQ(ResourceTables::EffectNames({"a.fx", "matrix.fx", "b.fx", "matrix.fx"}),
              (std::vector<std::string>{"a.fx", "b.fx", "matrix.fx"}))
        << "only the first matrix.fx is taken out";
    EXPECT_EQ(ResourceTables::TextureKey("earthball_diff_2.png"), "earthball_diff_2");
    EXPECT_EQ(ResourceTables::TextureKey("Test_HUD.v2.png"), "Test_HUD.v2");

    ResourceTables tables;
    EXPECT_EQ(tables.GetTexture("anything"), nullptr) << "no default loaded yet";
    Texture* fire = tables.AddTexture("fire.png");
    ASSERT_NE(fire, nullptr);
    EXPECT_EQ(tables.AddTexture("fire.jpg"), nullptr) << "the first of two files with one key wins";
    Texture* fallback = tables.AddTexture("default.png");
    EXPECT_EQ(tables.GetTexture("fire"), fire);
    EXPECT_EQ(tables.GetTexture("never_loaded"), fallback);
    EXPECT_EQ(tables.FindTexture("never_loaded"), nullptr);
    EXPECT_EQ(tables.GetMesh("sphere.tbm"), nullptr) << "meshes have no fallback";
    EXPECT_EQ(tables.GetMaterial("default"), nullptr);
}

TEST(Material, PropertiesAreSharedAndAddedOnce)
{
    Material a, b;
    Material_Texture texture;
    EXPECT_EQ(texture.GetName(), "default");
    a.AddProperty(&texture);
    a.AddProperty(&texture);
    b.AddProperty(&texture);
    EXPECT_EQ(a.GetProperties().size(), 1u);
    EXPECT_EQ(b.GetProperties().front(), &texture);
    texture.SetName(EffectParam::DiffuseTexture);
    EXPECT_EQ(texture.GetName(), "diffuseTexture");
    texture.SetName("myOwnSampler");
    EXPECT_EQ(texture.GetName(), "myOwnSampler");
    EXPECT_EQ(a.GetEffect(), nullptr) << "no effect entry";
}

TEST(TextureDecoder, DecodesOnSeveralThreadsAndReportsWhatItCannotRead)
{
    TempFolder folder;
    DecodedImage image{5, 3, std::vector<unsigned char>(5 * 3 * 4, 200)};
    ASSERT_TRUE(WritePngFile((folder.Path() / "a.png").string(), image));
    ASSERT_TRUE(WritePngFile((folder.Path() / "b.png").string(), image, 3));
    folder.Write("c.png", "not an image");
    TextureDecoder decoder;
    decoder.SetJobs({{"a", (folder.Path() / "a.png").string()},
                     {"b", (folder.Path() / "b.png").string()},
                     {"c", (folder.Path() / "c.png").string()}});
    decoder.DecodeAll(3);
    std::vector<TextureDecoder::Result> results = decoder.TakeFinished();
    ASSERT_EQ(results.size(), 3u);
    std::sort(results.begin(), results.end(), [](const auto& x, const auto& y) { return x.key < y.key; });
    ASSERT_EQ(results[0].levels.size(), 3u) << "5x3, 2x1, 1x1";
    EXPECT_EQ(results[0].levels[1].width, 2);
    EXPECT_EQ(results[0].levels[1].height, 1);
    EXPECT_EQ(results[0].levels[2].rgba, (std::vector<unsigned char>{200, 200, 200, 200}));
    EXPECT_EQ(results[1].levels[0].rgba[3], 255) << "RGB files are opaque";
    EXPECT_TRUE(results[2].levels.empty());
    EXPECT_FALSE(results[2].error.empty());
    EXPECT_TRUE(decoder.TakeFinished().empty());
}

TEST(ImageFile, FormatsTheImageLibraryMisreadsAreRefusedWithTheirReason)
{
    // A 16-bit portable pixmap (read past its buffer by the library) and one whose width reads as
    // 0 (taken by the library as an image without pixels).
    const std::string files[] = {"P6\n5151 6\n51511\n\x10  ", "P6\n;1 1*\n2551 2*"};
    TempFolder folder;
    for (const std::string& bytes : files)
    {
        folder.Write("image.ppm", bytes);
        DecodedImage image;
        std::string error;
        EXPECT_FALSE(DecodeImageFile((folder.Path() / "image.ppm").string(), image, error));
        EXPECT_EQ(error, "PNM images are not read (PNG, JPEG, BMP, TGA and GIF are)");
        error.clear();
        EXPECT_FALSE(DecodeImageBytes({reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()},
                                      image, error));
        EXPECT_EQ(error, "PNM images are not read (PNG, JPEG, BMP, TGA and GIF are)");
        EXPECT_TRUE(image.IsEmpty());
    }
}

TEST(ImageFile, AHeaderClaimingAHugeImageIsRefusedBeforeAnythingIsAllocated)
{
    // An uncompressed 32-bit TGA header and no pixels: the library would allocate what it claims.
    const auto header = [](int width, int height)
    {
        std::vector<unsigned char> bytes(18, 0);
        bytes[2] = 2;
        bytes[12] = static_cast<unsigned char>(width & 0xFF);
        bytes[13] = static_cast<unsigned char>(width >> 8);
        bytes[14] = static_cast<unsigned char>(height & 0xFF);
        bytes[15] = static_cast<unsigned char>(height >> 8);
        bytes[16] = 32;
        return bytes;
    };
    DecodedImage image;
    std::string error;
    EXPECT_FALSE(DecodeImageBytes(header(20000, 20000), image, error));
    EXPECT_EQ(error,
              "image of 20000 x 20000 pixels is too large (at most 8192 on a side and 4096 x 4096 in all)");
    EXPECT_FALSE(DecodeImageBytes(header(8193, 2), image, error));
    EXPECT_FALSE(DecodeImageBytes(header(8192, 2049), image, error));
    EXPECT_TRUE(image.IsEmpty());
    // Within the limits the missing pixels read as black, as before.
    EXPECT_TRUE(DecodeImageBytes(header(8192, 2048), image, error)) << error;
    EXPECT_EQ(image.width, 8192);
}
