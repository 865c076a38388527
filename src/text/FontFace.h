#pragma once

#include "text/GlyphAtlas.h"

#include <memory>
#include <string>

struct FT_LibraryRec_;
struct FT_FaceRec_;

/// One font file opened with FreeType, from which atlases of any size are made. Each atlas keeps
/// the font open for as long as it lives, so opening another file never pulls a face out from
/// under an atlas still drawing with it.
class FontFace
{
  public:
    FontFace();

    /// Opens the font file at `path` (closing any other); false if it is missing or not a font.
    bool Load(const std::string& path);
    /// Whether a font file is open.
    bool IsLoaded() const { return m_face != nullptr; }
    /// The family and style FreeType reads from the file ("League Spartan Bold").
    std::string FaceName() const;

    /// The atlas for lines `lineHeight` pixels high (ascender to descender), whose glyphs are
    /// rasterised as they are first written; null without a font.
    std::unique_ptr<GlyphAtlas> BuildAtlas(int lineHeight) const;

  private:
    std::shared_ptr<FT_LibraryRec_> m_library;
    std::shared_ptr<FT_FaceRec_> m_face;
};
