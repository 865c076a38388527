#pragma once

/// Where the main menu's race entries lead, and the player choices they leave behind.
class RaceRoutes
{
  public:
    /// "Play": the screen to fade to. Until the level select exists this sets up player 1 as a
    /// person and players 2 to 4 as computer racers on the first track and goes straight to the
    /// race; with the level select in the game, "Play" leads there and sets nothing.
    static int PreparePlay();
    /// "Autoplay": four computer racers (fire, water, wind, earth) on track 0 or 1 at random;
    /// returns the race.
    static int PrepareAutoplay();
};
