// The font and its atlases, read from the shipped res/fonts/ (no device needed).
#include "support/TestSupport.h"
#include "text/FontFace.h"
#include "text/FontSettings.h"
#include "text/TextSystem.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

namespace
{
const Vector4 kWhite{1, 1, 1, 1};
const Vector4 kWindow{0, 0, 1280, 720};

std::string ShippedFont()
{
    return std::string(VANTORA_SOURCE_DIR) + "/" + FontSettings().Path();
}

std::unique_ptr<GlyphAtlas> ShippedAtlas(int lineHeight)
{
    FontFace face;
    EXPECT_TRUE(face.Load(ShippedFont()));
    return face.BuildAtlas(lineHeight);
}
} // namespace

TEST(Utf8, ReadsMultiByteCharactersAndReplacesMalformedBytesOneAtATime)
{
    const std::string text = "A\xC3\x9C\xE2\x82\xAC\xFF\xC3";
    size_t at = 0;
    EXPECT_EQ(Utf8::Next(text, at), U'A');
    EXPECT_EQ(Utf8::Next(text, at), U'\u00DC');
    EXPECT_EQ(Utf8::Next(text, at), U'\u20AC');
    EXPECT_EQ(Utf8::Next(text, at), Utf8::kReplacement);
    EXPECT_EQ(Utf8::Next(text, at), Utf8::kReplacement); // cut short at the end
    EXPECT_EQ(at, text.size());
    const std::string overlong = "\xC0\xAF";
    at = 0;
    EXPECT_EQ(Utf8::Next(overlong, at), Utf8::kReplacement);
}

TEST(FontFace, TheShippedFontIsTheDescribedBoldFace)
{
    ScopedWorkingDirectory cwd(VANTORA_SOURCE_DIR);
    const FontSettings settings = FontSettings::Read();
    EXPECT_EQ(settings.file, "LeagueSpartan-Bold.otf");
    FontFace face;
    ASSERT_TRUE(face.Load(settings.Path()));
    EXPECT_EQ(face.FaceName(), settings.face);
}

TEST(FontFace, UmlautsHaveTheirOwnGlyphAndMissingCharactersAVisibleBox)
{
    const auto atlas = ShippedAtlas(48);
    ASSERT_TRUE(atlas);
    const Glyph& u = atlas->Find(U'U');
    const Glyph& umlaut = atlas->Find(U'\u00DC');
    const Glyph& missing = atlas->Find(U'\u4E2D');
    EXPECT_GT(umlaut.height, u.height); // the dots sit above the letter
    EXPECT_NE(umlaut.x, missing.x);
    EXPECT_GT(missing.width, 0);
    EXPECT_GT(missing.advance, 0.0f);
    EXPECT_EQ(&atlas->Find(Utf8::kReplacement), &missing);
}

TEST(FontFace, AtlasHoldsAnOutlineAroundEveryGlyph)
{
    const auto atlas = ShippedAtlas(32);
    const Glyph& i = atlas->Find(U'I');
    const std::vector<uint8_t>& pixels = atlas->Pixels();
    // The cell's left margin is outline only: green but no red.
    const size_t edge = static_cast<size_t>((i.y + i.height / 2) * atlas->Width() + i.x + 1) * 2;
    EXPECT_EQ(pixels[edge], 0);
    EXPECT_GT(pixels[edge + 1], 0);
}

TEST(GlyphAtlas, GlyphsAreRasterisedAsTheyAreWrittenAndKeepTheirCellsAsTheImageGrows)
{
    const auto atlas = ShippedAtlas(96);
    const int emptyHeight = atlas->Height();
    const Glyph first = atlas->Find(U'G');
    const std::vector<uint8_t> before(atlas->Pixels().begin(), atlas->Pixels().end());
    std::string everything;
    for (char c = 0x21; c < 0x7F; ++c)
        everything += c;
    atlas->Measure(everything);
    EXPECT_GT(atlas->Height(), emptyHeight);
    const Glyph again = atlas->Find(U'G');
    EXPECT_EQ(again.x, first.x);
    EXPECT_EQ(again.y, first.y);
    // The first glyph's cell is untouched by what was placed and grown after it.
    const std::vector<uint8_t>& after = atlas->Pixels();
    for (int row = 0; row < first.height; ++row)
    {
        const auto at = static_cast<long>(((first.y + row) * atlas->Width() + first.x) * 2);
        ASSERT_TRUE(
            std::equal(before.begin() + at, before.begin() + at + first.width * 2, after.begin() + at));
    }
    std::vector<TextVertex> out;
    atlas->Append("G", 400, 300, kWhite, kWindow, out);
    ASSERT_EQ(out.size(), 6u);
    EXPECT_EQ(out[0].u, static_cast<float>(first.x)); // texture positions are in atlas pixels
    EXPECT_EQ(out[0].v, static_cast<float>(first.y));
}

TEST(GlyphAtlas, AnAtlasKeepsDrawingAfterItsFaceOpensAnotherFileOrIsGone)
{
    std::unique_ptr<GlyphAtlas> atlas;
    {
        FontFace face;
        ASSERT_TRUE(face.Load(ShippedFont()));
        atlas = face.BuildAtlas(40);
        EXPECT_FALSE(face.Load("/nonexistent/font.otf"));
    }
    EXPECT_GT(atlas->Find(U'W').width, 0);
    EXPECT_EQ(&atlas->Find(U'\u4E2D'), &atlas->Placeholder());
}

TEST(FontFace, MissingOrUnreadableFileIsRefused)
{
    TempFolder folder;
    folder.Write("not-a-font.ttf", "hello");
    FontFace face;
    EXPECT_FALSE(face.Load((folder.Path() / "absent.otf").string()));
    EXPECT_FALSE(face.Load((folder.Path() / "not-a-font.ttf").string()));
    EXPECT_FALSE(face.BuildAtlas(30));
}

TEST(GlyphAtlas, CentresALineAndCutsItAtTheClipRectangle)
{
    const auto atlas = ShippedAtlas(36);
    std::vector<TextVertex> out;
    EXPECT_EQ(atlas->Append("GO!", 640, 360, kWhite, kWindow, out), 3u);
    ASSERT_EQ(out.size(), 18u);
    const float left = out.front().x, right = out[13].x;
    EXPECT_NEAR((left + right) * 0.5f, 640.0f, 6.0f);
    out.clear();
    const std::string endless(20000, 'W');
    const size_t glyphs = atlas->Append(endless, 640, 360, kWhite, kWindow, out);
    EXPECT_GT(glyphs, 20u);
    EXPECT_LT(glyphs, 80u); // only what lies across the window
    out.clear();
    EXPECT_EQ(atlas->Append("", 640, 360, kWhite, kWindow, out), 0u);
    EXPECT_EQ(atlas->Append("off", 640, 2000, kWhite, kWindow, out), 0u);
}

TEST(TextSystem, SizesScaleWithTheWindowWidthAndAreClampedOnceWithOneLine)
{
    TextSystem& text = TextSystem::Instance();
    EXPECT_EQ(text.ScaledSize(30, 1280), 32); // 30 × 1280 / 1184 = 32.4
    EXPECT_EQ(text.ScaledSize(15, 1184), 15);
    std::string said = CaptureStdout([&] { EXPECT_EQ(text.ScaledSize(0, 1280), TextSystem::kMinSize); });
    EXPECT_NE(said.find("outside"), std::string::npos);
    EXPECT_EQ(CaptureStdout([&] { text.ScaledSize(0, 1280); }), ""); // said once
    CaptureStdout(
        [&]
        {
            EXPECT_EQ(text.ScaledSize(-5, 1280), TextSystem::kMinSize);
            EXPECT_EQ(text.ScaledSize(1e30f, 1280), TextSystem::kMaxSize);
            EXPECT_EQ(text.ScaledSize(std::numeric_limits<float>::infinity(), 1280), TextSystem::kMaxSize);
        });
    EXPECT_EQ(text.ScaledSize(std::nanf(""), 1280), 0);
    EXPECT_EQ(text.ScaledSize(30, 1), TextSystem::kMinSize); // a 1-pixel window still draws
}

TEST(TextSystem, AnUnreadableFontFallsBackToTheSystemBoldFaceWithOneLine)
{
    TempFolder root;
    root.Write("res/fonts/font.xml", "<Font face=\"Gone\" file=\"gone.ttf\"/>");
    ScopedWorkingDirectory cwd(root.Path());
    TextSystem& text = TextSystem::Instance();
    text.ReloadFont();
    std::string name;
    const std::string said = CaptureStdout([&] { name = text.FaceName(); });
    EXPECT_EQ(said, "Font file 'res/fonts/gone.ttf' unreadable: using '" +
                        std::string(FontSettings::kFallbackFile) + "'\n");
    EXPECT_EQ(name, "DejaVu Sans Bold");
    EXPECT_TRUE(text.GetFont(30));
}
