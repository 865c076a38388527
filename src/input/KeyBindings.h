#pragma once

#include <array>
#include <istream>
#include <string>

/// The key (a virtual-key code) and the pad button mask (0 for none) of one bound action.
struct ActionBinding
{
    int key = 0;
    int button = 0;
};

/// The bindings of actions 0..9, read from res/keyBindings.txt.
class KeyBindings
{
  public:
    static constexpr int kBoundActionCount = 10;
    /// Text after the number on a line is a comment of at most this many characters.
    static constexpr size_t kMaxCommentLength = 255;
    using Table = std::array<ActionBinding, kBoundActionCount>;

    /// Reads the file; a missing file says so once and binds nothing.
    static Table Load(const std::string& path);
    /// Two lines per action in order, key then button, each beginning with a decimal number.
    /// Blank lines are skipped. The first bad line is named in one message and ends the reading:
    /// what was read stands, the rest stays 0.
    static Table Parse(std::istream& in, const std::string& sourceName);
};
