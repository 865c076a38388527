#pragma once

#include "graphics/ScreenText.h"

#include <vector>

/// What the frame asks of the text layer, which sits above graphics: the composition root hands
/// the text system to the graphics system through this.
class TextDrawer
{
  public:
    virtual ~TextDrawer() = default;
    /// A frame begins: what the last one drew is forgotten.
    virtual void BeginTextFrame() = 0;
    /// Draws the labels of the view being drawn (viewport and view matrix already set).
    virtual void DrawTexts() = 0;
    /// Draws the texts queued with PrintToScreen over the whole window.
    virtual void DrawScreenTexts(const std::vector<ScreenText>& texts) = 0;
    /// The device is about to go: every device object made with it must be released now.
    virtual void ReleaseDeviceObjects() = 0;
};
