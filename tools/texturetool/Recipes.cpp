#include "Recipes.h"

const std::vector<Recipe>& AllRecipes()
{
    static const std::vector<Recipe> recipes = {
        {"water_icon.png", true, PaintWaterIcon},
        {"fireball_diff.png", false, PaintFireBall},
        {"howtoplay_keyboard.png", true, PaintHowToPlayKeyboard},
        {"howtoplay.png", true, PaintHowToPlayPad},
        {"cs_arrow_right.png", true, PaintArrowRight},
        {"cs_arrow_left.png", true, PaintArrowLeft},
        {"cs_arrow_right_grey.png", true, PaintArrowRightGrey},
        {"cs_arrow_left_grey.png", true, PaintArrowLeftGrey},
    };
    return recipes;
}
