#pragma once

#include "TextureRecipe.h"

#include <optional>
#include <string>
#include <vector>

/// Reads the text of a .recipe file (see docs/graphics.md). Every mistake adds one line to
/// `errors`, "FILE:LINE: what is wrong"; any mistake gives nothing.
std::optional<TextureRecipe> ParseRecipe(const std::string& text, const std::string& path,
                                         std::vector<std::string>& errors);

/// Reads a .recipe file; the texture is named after it ("sand.recipe" paints "sand.png").
std::optional<TextureRecipe> LoadRecipeFile(const std::string& path, std::vector<std::string>& errors);
