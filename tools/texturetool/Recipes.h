#pragma once

#include "Canvas.h"

#include <string>
#include <vector>

/// One texture the game ships: its file name and how it is painted.
struct Recipe
{
    std::string fileName;
    /// RGB is enough for opaque textures and keeps the files smaller.
    bool withAlpha = false;
    Canvas (*paint)();
};

/// Every generated texture, by file name.
const std::vector<Recipe>& AllRecipes();

// Textures of the engine and the menus (EngineRecipes.cpp).
Canvas PaintDefault();
Canvas PaintFlatNormal();
Canvas PaintFlatSpecular();
Canvas PaintFire();
Canvas PaintWaterIcon();
Canvas PaintBallShadow();

// The four racers' balls (BallRecipes.cpp): wrapped round a sphere, u round the equator.
Canvas PaintFireBall();
Canvas PaintFireBallNormal();
Canvas PaintWaterBall();
Canvas PaintWaterBallNormal();
Canvas PaintWindBall();
Canvas PaintWindBallNormal();
Canvas PaintWindBallSpecular();
Canvas PaintEarthBall();
Canvas PaintEarthBallNormal();
Canvas PaintEarthBallSpecular();

// The harbour track (TrackRecipes.cpp).
Canvas PaintBoards();
Canvas PaintQuayWall();
Canvas PaintHarbourSky();
