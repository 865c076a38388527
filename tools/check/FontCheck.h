#pragma once

#include "check/Check.h"

/// The font description res/fonts/font.xml: it must name a scalable font file in res/fonts/ that
/// FreeType opens; a face name other than the file's own, or printable ASCII characters the font
/// lacks (drawn as boxes), are worth a look.
class FontCheck final : public Check
{
  public:
    const char* Name() const override { return "font"; }
    void Run(const ContentTree& tree, ProblemReport& report) const override;
};
