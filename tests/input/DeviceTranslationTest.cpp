#include "input/ControllerSnapshot.h"
#include "input/VirtualKeyMap.h"

#include <SDL_scancode.h>
#include <gtest/gtest.h>

TEST(VirtualKeyMap, TranslatesKeysByPositionToWindowsCodes)
{
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_A), 'A');
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_Z), 'Z');
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_0), '0');
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_9), '9');
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_F1), VirtualKey::kF1);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_F11), VirtualKey::kF11);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_F24), 135) << "the last code the key table holds";
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_LEFT), VirtualKey::kLeft);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_DOWN), VirtualKey::kDown);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_KP_ENTER), VirtualKey::kEnter);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_RSHIFT), VirtualKey::kShift);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_KP_0), 0x60);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_AUDIOMUTE), 0) << "no Windows code";
    EXPECT_EQ(VirtualKeyFromScancode(-4), 0);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_NUM_SCANCODES), 0);
}

TEST(ControllerSnapshot, ButtonsTakeXInputBits)
{
    ControllerSnapshot snapshot;
    snapshot.buttons[SDL_CONTROLLER_BUTTON_A] = true;
    snapshot.buttons[SDL_CONTROLLER_BUTTON_Y] = true;
    snapshot.buttons[SDL_CONTROLLER_BUTTON_DPAD_RIGHT] = true;
    snapshot.buttons[SDL_CONTROLLER_BUTTON_RIGHTSHOULDER] = true;
    snapshot.buttons[SDL_CONTROLLER_BUTTON_BACK] = true;
    snapshot.buttons[SDL_CONTROLLER_BUTTON_GUIDE] = true;
    EXPECT_EQ(snapshot.ToPadState().buttons, PadButton::kA | PadButton::kY | PadButton::kDpadRight |
                                                 PadButton::kRightShoulder | PadButton::kBack);
}

TEST(ControllerSnapshot, YAxesPointUpAndReachBothExtremes)
{
    ControllerSnapshot snapshot;
    snapshot.axes[SDL_CONTROLLER_AXIS_LEFTX] = -32768;
    snapshot.axes[SDL_CONTROLLER_AXIS_LEFTY] = -32768; // SDL: fully up
    snapshot.axes[SDL_CONTROLLER_AXIS_RIGHTY] = 32767; // SDL: fully down
    const PadState state = snapshot.ToPadState();
    EXPECT_EQ(state.thumbLX, -32768);
    EXPECT_EQ(state.thumbLY, 32767);
    EXPECT_EQ(state.thumbRY, -32768);
}

TEST(ControllerSnapshot, TriggersScaleToBytes)
{
    ControllerSnapshot snapshot;
    snapshot.axes[SDL_CONTROLLER_AXIS_TRIGGERLEFT] = 32767;
    snapshot.axes[SDL_CONTROLLER_AXIS_TRIGGERRIGHT] = 3980; // about 31/255 of the way
    EXPECT_EQ(snapshot.ToPadState().leftTrigger, 255);
    EXPECT_EQ(snapshot.ToPadState().rightTrigger, 31);
    snapshot.axes[SDL_CONTROLLER_AXIS_TRIGGERRIGHT] = -5;
    EXPECT_EQ(snapshot.ToPadState().rightTrigger, 0);
}
