#pragma once

#include "Canvas.h"

#include <string>
#include <vector>

/// A texture painted by code, for the few whose shapes recipe files cannot describe; every other
/// texture is a file in tools/texturetool/recipes/.
struct Recipe
{
    std::string fileName;
    /// RGB is enough for opaque textures and keeps the files smaller.
    bool withAlpha = false;
    Canvas (*paint)();
};

/// Every texture painted by code, by file name.
const std::vector<Recipe>& AllRecipes();

/// The water element's icon: an outlined drop with a highlight (EngineRecipes.cpp).
Canvas PaintWaterIcon();

/// The fire racer's ball: crust plates with lava in the cracks, glowing brighter where the crust
/// is lighter (BallRecipes.cpp).
Canvas PaintFireBall();

/// The controls screen's keyboard: key caps where the screen writes their names (MenuRecipes.cpp).
Canvas PaintHowToPlayKeyboard();

/// The controls screen's gamepad: body and buttons where the screen writes their names.
Canvas PaintHowToPlayPad();

/// The select screen's arrows, lit when just pressed and grey at rest (SelectRecipes.cpp).
Canvas PaintArrowRight();
/// Pointing left, lit.
Canvas PaintArrowLeft();
/// Pointing right, at rest.
Canvas PaintArrowRightGrey();
/// Pointing left, at rest.
Canvas PaintArrowLeftGrey();
