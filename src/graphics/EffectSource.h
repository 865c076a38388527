#pragma once

#include "graphics/PassState.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

/// An effect file taken apart: its pass states and the full GLSL 330 text of both stages.
///
/// The file is one GLSL text whose stages are selected with `#ifdef VERTEX` / `#ifdef FRAGMENT`.
/// Lines `#pass KEY VALUE` set the pass states (depthTest on|off, depthWrite on|off,
/// blend none|alpha|additive, cull back|front|none, fill solid|wireframe), and
/// `#include "NAME"` pulls in a shared file such as "matrix.fx".
struct EffectSource
{
    PassState pass;
    std::string vertex;
    std::string fragment;
    /// Problems found while reading (bad pass lines, missing includes, includes nested too deep or
    /// too many in all); empty when all is well.
    std::vector<std::string> errors;
};

/// Reads the text of an included file by name; nothing if it cannot be read.
using IncludeReader = std::function<std::optional<std::string>(const std::string& name)>;

/// Splits `text` into the two stages, expanding includes through `readInclude`.
EffectSource ParseEffectSource(const std::string& text, const IncludeReader& readInclude);
