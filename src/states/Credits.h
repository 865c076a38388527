#pragma once

#include "states/MenuScreen.h"

/// Who made the game and what it is built with, scrolling upward over and over.
class Credits final : public MenuScreen
{
  public:
    static constexpr int kLineCount = 38;
    /// Growth of the scroll value per frame, and where it starts and wraps.
    static constexpr float kScrollStep = 0.005f;
    static constexpr float kScrollStart = 1.0f;
    static constexpr float kScrollEnd = 8.3f;
    static constexpr float kFirstOffset = 1.5f;
    static constexpr float kLastOffset = 7.1f;

    void Enter() override;
    /// The text of line `index`: section headings and the names under them, alternating.
    static const char* Line(int index);
    float GetScroll() const { return m_scroll; }

  protected:
    void DrawScreen() override;

  private:
    float m_scroll = kScrollStart;
};
