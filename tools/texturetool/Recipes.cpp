#include "Recipes.h"

const std::vector<Recipe>& AllRecipes()
{
    static const std::vector<Recipe> recipes = {
        {"water_icon.png", true, PaintWaterIcon},
        {"fireball_diff.png", false, PaintFireBall},
    };
    return recipes;
}
