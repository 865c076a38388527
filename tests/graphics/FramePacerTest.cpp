// The driver is never left more than two presented frames behind.
#include "graphics/FramePacer.h"
#include "RenderFixture.h"

class FramePacerTest : public RenderFixture
{
};

TEST_F(FramePacerTest, KeepsTwoFramesInFlightAndForgetsThemOnRelease)
{
    START_DEVICE_OR_SKIP();
    FramePacer pacer;
    for (int frame = 0; frame < 12; ++frame)
    {
        Frame();
        pacer.FramePresented();
        EXPECT_LE(pacer.Pending(), 2u) << "frame " << frame;
    }
    EXPECT_EQ(pacer.Pending(), 2u);
    pacer.Release();
    EXPECT_EQ(pacer.Pending(), 0u);

    FramePacer eager(0);
    eager.FramePresented();
    EXPECT_EQ(eager.Pending(), 1u) << "asking for no frame in flight still lets the last one draw";
}
