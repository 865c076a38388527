#pragma once

#include "graphics/TextDrawer.h"

/// Hands the graphics frame's text requests to the text system.
class TextDrawing final : public TextDrawer
{
  public:
    /// Forgets the last frame's texts.
    void BeginTextFrame() override;
    /// Draws the labels of the view being drawn.
    void DrawTexts() override;
    /// Draws the queued screen texts.
    void DrawScreenTexts(const std::vector<ScreenText>& texts) override;
    /// Releases the text system's atlases and program.
    void ReleaseDeviceObjects() override;
};
