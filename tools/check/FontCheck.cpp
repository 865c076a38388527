#include "check/FontCheck.h"

#include "check/ContentTree.h"
#include "check/ProblemReport.h"
#include "text/FontFace.h"
#include "text/FontSettings.h"

#include <filesystem>
#include <tinyxml2.h>

namespace
{
// The printable ASCII characters the font has no glyph for.
std::string MissingAscii(const FontFace& face)
{
    const auto atlas = face.BuildAtlas(24);
    std::string missing;
    for (char32_t code = 0x21; code < 0x7F; ++code)
        if (&atlas->Find(code) == &atlas->Placeholder())
            missing += static_cast<char>(code);
    return missing;
}
} // namespace

void FontCheck::Run(const ContentTree& tree, ProblemReport& report) const
{
    const std::string path = tree.PathOf(FontSettings::kDescription);
    tinyxml2::XMLDocument document;
    const tinyxml2::XMLError loaded = document.LoadFile(path.c_str());
    if (loaded == tinyxml2::XML_ERROR_FILE_NOT_FOUND)
        return report.Warning(path, 0, "is missing, so texts are drawn with '" + FontSettings().file + "'");
    if (loaded != tinyxml2::XML_SUCCESS)
        return report.Problem(path, document.ErrorLineNum(),
                              "is not well-formed XML: " + std::string(document.ErrorStr()));
    const tinyxml2::XMLElement* font = document.FirstChildElement("Font");
    const char* file = font ? font->Attribute("file") : nullptr;
    const int line = font ? font->GetLineNum() : 0;
    if (!file || !*file)
        return report.Problem(path, line, "names no font file: <Font face=\"...\" file=\"...\"/>");
    const std::string fontPath = tree.PathOf(std::string(FontSettings::kFolder) + file);
    const std::string fallback = "texts are drawn with the system's fallback face";
    if (!std::filesystem::is_regular_file(fontPath))
        return report.Problem(path, line,
                              "font file '" + std::string(file) + "' is not in res/fonts/, so " + fallback);
    FontFace face;
    if (!face.Load(fontPath))
        return report.Problem(path, line,
                              "font file '" + std::string(file) +
                                  "' is not a scalable font FreeType can read, so " + fallback);
    const char* named = font->Attribute("face");
    if (named && face.FaceName() != named)
        report.Warning(path, line,
                       "face \"" + std::string(named) + "\" is not the file's own name, \"" +
                           face.FaceName() + "\"");
    if (const std::string missing = MissingAscii(face); !missing.empty())
        report.Warning(path, line, "the font has no glyph for \"" + missing + "\": they are drawn as boxes");
}
