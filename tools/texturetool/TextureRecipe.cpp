#include "TextureRecipe.h"

Canvas TextureRecipe::Paint() const
{
    Canvas canvas(width, height);
    canvas.Fill(
        [this](float u, float v)
        {
            Rgba colour = base;
            for (const RecipeLayer& layer : layers)
                colour = layer.Apply(colour, u, v);
            return colour;
        });
    return normalStrength > 0.0f ? NormalMapFromHeight(canvas, normalStrength) : canvas;
}
