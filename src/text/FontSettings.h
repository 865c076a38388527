#pragma once

#include <string>

/// Which font the game writes with: res/fonts/font.xml, one element
/// `<Font face="League Spartan Bold" file="LeagueSpartan-Bold.otf"/>`, the file under res/fonts/.
struct FontSettings
{
    std::string face = "League Spartan Bold";
    std::string file = "LeagueSpartan-Bold.otf";

    /// Where the description is read from.
    static constexpr const char* kDescription = "res/fonts/font.xml";
    /// The folder the font file is in.
    static constexpr const char* kFolder = "res/fonts/";
    /// A bold face found on every system the game installs on, for when the shipped one cannot be read.
    static constexpr const char* kFallbackFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

    /// Reads `path`; a missing or malformed description prints one line and keeps the defaults.
    static FontSettings Read(const std::string& path = kDescription);
    /// The font file's path.
    std::string Path() const { return kFolder + file; }
};
