// The countdown that shows itself through the graphics system's screen-text queue.
#include "text/Timer.h"
#include "graphics/GraphicsSystem.h"

#include <gtest/gtest.h>

namespace
{
std::string Formatted(float seconds)
{
    char text[64];
    Timer::Format(seconds, text, sizeof text);
    return text;
}
} // namespace

TEST(Timer, ShowsMinutesFromAMinuteOnAndPaddedSecondsBelow)
{
    EXPECT_EQ(Formatted(75.0f), "1 : 15");
    EXPECT_EQ(Formatted(9.4f), " 9");
    EXPECT_EQ(Formatted(0.0f), " 0");
}

TEST(Timer, APausedShownTimerHoldsItsTimeAndSaysPausedAboveIt)
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    Timer timer;
    timer.Setup({0, 0.8f, 0, 1}, 1, 15.0f, true, true);
    timer.Update(0.5f);
    EXPECT_FLOAT_EQ(timer.GetRemaining(), 75.0f);
    const std::vector<ScreenText>& texts = graphics.ScreenTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "1 : 15");
    EXPECT_EQ(texts[1].text, "PAUSED");
    EXPECT_FLOAT_EQ(texts[1].y, 0.9f);
    graphics.PostUpdate();
    timer.Resume();
    timer.Update(100.0f);
    EXPECT_TRUE(timer.IsFinished());
    EXPECT_EQ(graphics.ScreenTexts().at(0).text, " 0");
    EXPECT_EQ(graphics.ScreenTexts().size(), 1u);
}
