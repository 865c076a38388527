#include "Recipes.h"

const std::vector<Recipe>& AllRecipes()
{
    static const std::vector<Recipe> recipes = {
        {"default.png", false, PaintDefault},
        {"normal.png", false, PaintFlatNormal},
        {"specular.png", false, PaintFlatSpecular},
        {"fire.png", false, PaintFire},
        {"water_icon.png", true, PaintWaterIcon},
        {"ball_shadow.png", true, PaintBallShadow},
        {"fireball_diff.png", false, PaintFireBall},
        {"fireball_base_nrm.png", false, PaintFireBallNormal},
        {"waterball_diff.png", false, PaintWaterBall},
        {"waterball_nrm.png", false, PaintWaterBallNormal},
        {"windball_diff.png", false, PaintWindBall},
        {"windball_nrm.png", false, PaintWindBallNormal},
        {"windball_spec.png", false, PaintWindBallSpecular},
        {"earthball_diff_2.png", false, PaintEarthBall},
        {"earthball_nrm.png", false, PaintEarthBallNormal},
        {"earthball_spec.png", false, PaintEarthBallSpecular},
        {"harbour_boards.png", false, PaintBoards},
        {"harbour_wall.png", false, PaintQuayWall},
        {"harbour_sky.png", false, PaintHarbourSky},
    };
    return recipes;
}
