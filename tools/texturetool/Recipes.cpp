#include "Recipes.h"

const std::vector<Recipe>& AllRecipes()
{
    static const std::vector<Recipe> recipes = {
        {"water_icon.png", true, PaintWaterIcon},
        {"fireball_diff.png", false, PaintFireBall},
        {"howtoplay_keyboard.png", true, PaintHowToPlayKeyboard},
        {"howtoplay.png", true, PaintHowToPlayPad},
    };
    return recipes;
}
