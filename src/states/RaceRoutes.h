#pragma once

/// Where the main menu's race entries lead, and the player choices they leave behind.
class RaceRoutes
{
  public:
    /// "Play": the character and level select, which makes the choices itself.
    static int PreparePlay();
    /// "Autoplay": four computer racers (fire, water, wind, earth) on track 0 or 1 at random;
    /// returns the race.
    static int PrepareAutoplay();
};
