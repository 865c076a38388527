#pragma once

#include "text/GlyphAtlas.h"

#include <memory>
#include <string>

struct FT_LibraryRec_;
struct FT_FaceRec_;

/// One font file opened with FreeType, from which atlases of any size are rasterised.
class FontFace
{
  public:
    FontFace();
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    /// Opens the font file at `path` (closing any other); false if it is missing or not a font.
    bool Load(const std::string& path);
    /// Whether a font file is open.
    bool IsLoaded() const { return m_face != nullptr; }
    /// The family and style FreeType reads from the file ("League Spartan Bold").
    std::string FaceName() const;

    /// Rasterises the atlas for lines `lineHeight` pixels high (ascender to descender); null
    /// without a font.
    std::unique_ptr<GlyphAtlas> BuildAtlas(int lineHeight) const;

  private:
    FT_LibraryRec_* m_library = nullptr;
    FT_FaceRec_* m_face = nullptr;
};
