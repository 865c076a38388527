#include "input/InputSystem.h"
#include "core/WindowManager.h"
#include "input/VirtualKeyMap.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
class InputSystemTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        WindowManager::Instance().SetFocus(true);
        CaptureStdout([] { InputSystem::Instance().Init(); });
        // The first poll finds no pads and reports them gone; start every test from there.
        EndFrame();
    }

    void TearDown() override
    {
        for (int slot = 0; slot < GamepadSlots::kSlotCount; ++slot)
            Slots().InjectDisconnect(slot);
        WindowManager::Instance().SetFocus(true);
    }

    static InputSystem& Input() { return InputSystem::Instance(); }
    static GamepadSlots& Slots() { return Input().GetGamepadSlots(); }
    static Gamepad& Pad(int index) { return *Input().GetGamepad(index); }
    static std::string EndFrame()
    {
        return CaptureStdout([] { Input().PostUpdate(); });
    }
    static void ConnectPad(int slot)
    {
        Slots().InjectConnect(slot);
        EndFrame();
    }
};
} // namespace

TEST_F(InputSystemTest, AKeyIsTriggeredForTheWholeFrameItWentDownAndOnlyHeldAfter)
{
    Input().SetKey(VirtualKey::kSpace, true);
    EXPECT_TRUE(Input().IsKeyTriggered(VirtualKey::kSpace));
    EXPECT_TRUE(Input().IsKeyTriggered(VirtualKey::kSpace)) << "a second reader in the same frame";
    EndFrame();
    EXPECT_TRUE(Input().IsKeyDown(VirtualKey::kSpace));
    EXPECT_FALSE(Input().IsKeyTriggered(VirtualKey::kSpace));
    Input().SetKey(VirtualKey::kSpace, false);
    EXPECT_FALSE(Input().IsKeyDown(VirtualKey::kSpace));
}

TEST_F(InputSystemTest, KeyCodesOutsideTheTableAreIgnored)
{
    for (int code : {-1, 136, 255, 100000})
    {
        Input().SetKey(code, true);
        EXPECT_FALSE(Input().IsKeyDown(code)) << code;
        EXPECT_FALSE(Input().IsKeyTriggered(code)) << code;
    }
    Input().SetKey(135, true);
    EXPECT_TRUE(Input().IsKeyDown(135));
}

TEST_F(InputSystemTest, MouseButtonsAreHeldFromTheFrameAfterAndMovesMeasureFromTheLastPosition)
{
    Input().MouseButtonDown(0, 100, 50);
    EXPECT_TRUE(Input().IsMouseTriggered(0));
    EXPECT_FALSE(Input().IsMouseHeld(0));
    Input().MouseMove(110, 45);
    EXPECT_EQ(Input().GetMouseDeltaX(), 10);
    EXPECT_EQ(Input().GetMouseDeltaY(), -5);
    EndFrame();
    EXPECT_TRUE(Input().IsMouseHeld(0));
    EXPECT_EQ(Input().GetMouseDeltaX(), 0) << "the delta lasts one frame";
    Input().MouseButtonUp(0);
    EXPECT_FALSE(Input().IsMouseHeld(0));
    Input().MouseButtonDown(7, 0, 0);
    EXPECT_FALSE(Input().IsMouseDown(7));
}

TEST_F(InputSystemTest, ConnectionChangesArePrintedOnceEach)
{
    Slots().InjectConnect(2);
    EXPECT_EQ(EndFrame(), "Controller 2 reconnected\n");
    EXPECT_EQ(EndFrame(), "");
    Slots().InjectDisconnect(2);
    EXPECT_EQ(EndFrame(), "Controller 2 disconnected\n");
    EXPECT_EQ(EndFrame(), "");
    EXPECT_FALSE(Input().IsAnyGamepadConnected());
}

TEST_F(InputSystemTest, EveryPadStartsConnectedAndTheFirstPollReportsTheMissingOnes)
{
    std::string created = CaptureStdout([] { Input().Init(); });
    EXPECT_EQ(created, "Controller 0 connected\nController 1 connected\nController 2 connected\n"
                       "Controller 3 connected\n");
    Slots().InjectConnect(1);
    EXPECT_EQ(EndFrame(),
              "Controller 0 disconnected\nController 2 disconnected\nController 3 disconnected\n");
}

TEST_F(InputSystemTest, ButtonsAreTriggeredInTheFrameAfterThePollThatSawThem)
{
    ConnectPad(1);
    Slots().InjectButtons(1, PadButton::kA, true);
    EXPECT_FALSE(Input().IsButtonDownByAny(PadButton::kA)) << "pads change only when polled";
    EndFrame();
    EXPECT_TRUE(Input().IsButtonTriggeredByAny(PadButton::kA | PadButton::kB));
    EXPECT_TRUE(Pad(1).IsButtonDown(PadButton::kA));
    EXPECT_FALSE(Pad(0).IsButtonDown(PadButton::kA));
    EndFrame();
    EXPECT_TRUE(Input().IsButtonDownByAny(PadButton::kA));
    EXPECT_FALSE(Input().IsButtonTriggeredByAny(PadButton::kA));
}

TEST_F(InputSystemTest, AnUnfocusedGameReadsEveryPadIdleWithoutDisconnectingIt)
{
    ConnectPad(3);
    Slots().InjectButtons(3, PadButton::kA, true);
    Slots().InjectAxis(3, PadAxis::LeftX, 32767);
    Slots().InjectAxis(3, PadAxis::RightTrigger, 255);
    WindowManager::Instance().SetFocus(false);
    Slots().InjectDisconnect(2);
    EXPECT_EQ(EndFrame(), "") << "no connection changes are noticed while unfocused";
    EXPECT_TRUE(Pad(3).IsConnected());
    EXPECT_FALSE(Pad(3).IsButtonDown(PadButton::kA));
    EXPECT_EQ(Pad(3).GetStick(0), Vector4());
    float trigger = 0;
    EXPECT_FALSE(Pad(3).GetTrigger(1, trigger));

    WindowManager::Instance().SetFocus(true);
    EndFrame();
    EXPECT_TRUE(Pad(3).IsButtonTriggered(PadButton::kA))
        << "the held button counts as new once focus is back";
}

TEST_F(InputSystemTest, StickDeadZonesApplyToEachAxisAndBothExtremesReadOne)
{
    ConnectPad(0);
    Slots().InjectAxis(0, PadAxis::LeftX, -7848);
    Slots().InjectAxis(0, PadAxis::LeftY, 32767);
    Slots().InjectAxis(0, PadAxis::RightX, 8688);
    Slots().InjectAxis(0, PadAxis::RightY, -32768);
    EndFrame();
    EXPECT_EQ(Pad(0).GetStick(0), Vector4(0.0f, 1.0f, 0, 0));
    EXPECT_EQ(Pad(0).GetStick(1), Vector4(0.0f, -1.0f, 0, 0));

    Slots().InjectAxis(0, PadAxis::LeftX, -7849);
    Slots().InjectAxis(0, PadAxis::RightX, 8689);
    EndFrame();
    EXPECT_FLOAT_EQ(Pad(0).GetStick(0).x, -7849.0f / 32768.0f);
    EXPECT_FLOAT_EQ(Pad(0).GetStick(1).x, 8689.0f / 32767.0f);
}

TEST_F(InputSystemTest, AStickCountsAsActiveOnlyBeyondItsThreshold)
{
    ConnectPad(0);
    Vector4 out(9, 9, 9, 9);
    Slots().InjectAxis(0, PadAxis::LeftX, 7849);
    Slots().InjectAxis(0, PadAxis::LeftY, -7849);
    EndFrame();
    EXPECT_FALSE(Pad(0).GetStickIfActive(0, out));
    EXPECT_FALSE(Pad(0).GetStickIfActive(2, out));
    EXPECT_EQ(out, Vector4(9, 9, 9, 9)) << "untouched on false";
    Slots().InjectAxis(0, PadAxis::LeftY, -7850);
    EndFrame();
    ASSERT_TRUE(Pad(0).GetStickIfActive(0, out));
    EXPECT_FLOAT_EQ(out.y, -7850.0f / 32768.0f);
}

TEST_F(InputSystemTest, GetStickByAnyIgnoresSticksPushedOnlySideways)
{
    ConnectPad(0);
    ConnectPad(1);
    Slots().InjectAxis(0, PadAxis::LeftX, 32767);
    EndFrame();
    Vector4 out(5, 5, 5, 5);
    EXPECT_FALSE(Input().GetStickByAny(0, out));
    EXPECT_EQ(out, Vector4());

    Slots().InjectAxis(1, PadAxis::LeftY, -20000);
    EndFrame();
    ASSERT_TRUE(Input().GetStickByAny(0, out));
    EXPECT_FLOAT_EQ(out.y, -20000.0f / 32768.0f) << "pad 0 is skipped, pad 1 answers";
}

TEST_F(InputSystemTest, TriggersReadReleasedUpToThirty)
{
    ConnectPad(0);
    Slots().InjectAxis(0, PadAxis::LeftTrigger, 30);
    Slots().InjectAxis(0, PadAxis::RightTrigger, 31);
    EndFrame();
    float value = -1;
    EXPECT_FALSE(Pad(0).GetTrigger(0, value));
    EXPECT_EQ(value, -1);
    ASSERT_TRUE(Pad(0).GetTrigger(1, value));
    EXPECT_FLOAT_EQ(value, 31.0f / 255.0f);
    EXPECT_FALSE(Pad(0).GetTrigger(2, value));
}

TEST_F(InputSystemTest, TimedRumbleStopsOnceItsDurationHasPassed)
{
    ConnectPad(0);
    Pad(0).SetVibration(40000, 0.05f);
    EXPECT_EQ(Slots().LastRumble(0), (std::array<uint16_t, 2>{40000, 40000}));
    Pad(0).Poll(0.03f);
    EXPECT_EQ(Pad(0).GetVibrationSpeed(), 40000);
    Pad(0).Poll(0.03f);
    EXPECT_EQ(Pad(0).GetVibrationSpeed(), 0);
    EXPECT_EQ(Slots().LastRumble(0), (std::array<uint16_t, 2>{0, 0}));

    Pad(0).SetVibration(1000, 0.0f);
    Pad(0).Poll(100.0f);
    EXPECT_EQ(Pad(0).GetVibrationSpeed(), 1000) << "no duration: it runs until set again";
    Slots().InjectDisconnect(0);
    CaptureStdout([] { Pad(0).Poll(0.0f); });
    EXPECT_EQ(Slots().LastRumble(0), (std::array<uint16_t, 2>{0, 0})) << "unplugging stops the motors";
}
