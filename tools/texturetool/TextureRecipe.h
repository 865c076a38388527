#pragma once

#include "Canvas.h"
#include "RecipeLayer.h"

#include <string>
#include <vector>

/// A texture described as data (a .recipe file): its size, a base colour and the layers painted
/// over it in order, optionally turned into a normal map at the end.
struct TextureRecipe
{
    std::string fileName = "texture.png";
    int width = 256;
    int height = 256;
    uint32_t seed = 1;
    bool withAlpha = false;
    Rgba base{0, 0, 0, 1};
    std::vector<RecipeLayer> layers;
    float normalStrength =
        0.0f; ///< above 0: the painted red channel is a height field made into a normal map

    /// Paints the texture.
    Canvas Paint() const;
};
