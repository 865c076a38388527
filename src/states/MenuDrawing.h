#pragma once

#include "math/Vector4.h"

#include <string>

/// The pictures and titles menu screens draw, through the graphics system's HUD and screen texts.
/// Pictures take centre and size as fractions of the screen (y down); a picture missing from
/// res/textures is reported once and left out, so the screen still works without it.
class MenuDrawing
{
  public:
    /// Draws `texture` centred at (x, y) with size (w, h), under the screen texts.
    static void Picture(const std::string& texture, float x, float y, float w, float h);
    /// Draws `texture` over the whole screen, under the screen texts.
    static void FullScreen(const std::string& texture);
    /// A flat black quad over the whole screen with alpha `alpha`: over the texts when `onTop`.
    static void Darken(float alpha, bool onTop);
    /// Queues a screen text centred at (x, y) in screen coordinates from -1 to 1 (y up).
    static void Text(const std::string& text, float x, float y, float size,
                     const Vector4& colour = {1, 1, 1, 1});
    /// An overlay's title, large and white, near the top of the panel.
    static void Title(const std::string& text, float y = 0.72f);
    /// What an overlay draws behind itself: the main menu picture, or half-transparent black over a
    /// paused race.
    static void OverlayBackdrop();
    /// The menu panel every menu screen sits on.
    static void Panel(float x, float y, float w, float h);
    /// Whether the picture can be drawn; says once per name when it cannot.
    static bool HasPicture(const std::string& texture);
    /// Forgets which missing pictures were reported (tests).
    static void ForgetReports();
};
