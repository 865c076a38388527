#include "core/WindowManager.h"
#include "graphics/GraphicsSystem.h"
#include "input/InputSystem.h"
#include "input/VirtualKeyMap.h"
#include "states/GameStateManager.h"
#include "support/TestSupport.h"

#include <SDL.h>
#include <cstdlib>
#include <gtest/gtest.h>

namespace
{
class WindowManagerTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        CaptureStdout([] { InputSystem::Instance().Init(); });
        GameStateManager::Instance().SetRunning(true);
    }
    void TearDown() override
    {
        Window().SetEventFilter(nullptr);
        Window().SetFocus(true);
        // Mesa's EGL driver leaks a block when SDL unloads it with the last OpenGL window, so a
        // window is left to the end of the process (each test runs in its own).
        if (Window().IsHeadless())
            Window().Shutdown();
    }

    static WindowManager& Window() { return WindowManager::Instance(); }
    static InputSystem& Input() { return InputSystem::Instance(); }

    static void PushKey(SDL_Scancode scancode, bool down)
    {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.keysym.scancode = scancode;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        SDL_PushEvent(&event);
    }
    static void PushMouseButton(Uint8 button, bool down, int x, int y)
    {
        SDL_Event event{};
        event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.button = button;
        event.button.x = x;
        event.button.y = y;
        SDL_PushEvent(&event);
    }
    static void PushPadEvent(Uint32 type, int which)
    {
        SDL_Event event{};
        event.type = type;
        event.cdevice.which = which;
        SDL_PushEvent(&event);
    }
    static void PushType(Uint32 type)
    {
        SDL_Event event{};
        event.type = type;
        SDL_PushEvent(&event);
    }
};
} // namespace

TEST_F(WindowManagerTest, HeadlessThereIsNoWindowButEventsStillReachTheInputSystem)
{
    Window().Init();
    EXPECT_TRUE(Window().IsHeadless());
    EXPECT_TRUE(Window().HasFocus());
    PushKey(SDL_SCANCODE_F1, true);
    PushKey(SDL_SCANCODE_LEFT, true);
    PushKey(SDL_SCANCODE_LEFT, false);
    Window().PreUpdate();
    EXPECT_TRUE(Input().IsKeyTriggered(VirtualKey::kF1));
    EXPECT_FALSE(Input().IsKeyDown(VirtualKey::kLeft));
}

TEST_F(WindowManagerTest, MouseButtonsArriveAsZeroOneAndThreeEvenWithShiftHeld)
{
    Window().Init();
    PushKey(SDL_SCANCODE_LSHIFT, true);
    PushMouseButton(SDL_BUTTON_LEFT, true, 40, 30);
    PushMouseButton(SDL_BUTTON_RIGHT, true, 41, 31);
    PushMouseButton(SDL_BUTTON_MIDDLE, true, 42, 32);
    PushMouseButton(SDL_BUTTON_X1, true, 43, 33);
    Window().PreUpdate();
    EXPECT_TRUE(Input().IsKeyDown(VirtualKey::kShift));
    EXPECT_TRUE(Input().IsMouseDown(0));
    EXPECT_TRUE(Input().IsMouseDown(1));
    EXPECT_FALSE(Input().IsMouseDown(2));
    EXPECT_TRUE(Input().IsMouseDown(3));
    EXPECT_EQ(Input().GetMouseX(), 42) << "the side button is ignored";
    PushMouseButton(SDL_BUTTON_RIGHT, false, 0, 0);
    Window().PreUpdate();
    EXPECT_FALSE(Input().IsMouseDown(1));
}

TEST_F(WindowManagerTest, AQuitRequestEndsTheGameAndLeavesLaterEventsForTheNextFrame)
{
    Window().Init();
    PushType(SDL_QUIT);
    PushKey(SDL_SCANCODE_SPACE, true);
    Window().PreUpdate();
    EXPECT_FALSE(GameStateManager::Instance().IsRunning());
    EXPECT_FALSE(Input().IsKeyDown(VirtualKey::kSpace));
    Window().PreUpdate();
    EXPECT_TRUE(Input().IsKeyDown(VirtualKey::kSpace));
}

TEST_F(WindowManagerTest, EventsTheDebugPanelUsesDoNotReachTheGame)
{
    Window().Init();
    int offered = 0;
    Window().SetEventFilter(
        [&](const SDL_Event& event)
        {
            ++offered;
            return event.type == SDL_MOUSEBUTTONDOWN;
        });
    PushMouseButton(SDL_BUTTON_LEFT, true, 5, 5);
    PushKey(SDL_SCANCODE_A, true);
    Window().PreUpdate();
    EXPECT_EQ(offered, 2);
    EXPECT_FALSE(Input().IsMouseDown(0));
    EXPECT_TRUE(Input().IsKeyDown('A'));
}

TEST_F(WindowManagerTest, AWindowOnTheOffscreenDriverCountsAsFocusedAndReportsItsSize)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    Window().SetHeadless(false);
    Window().SetTitle("Vantora");
    Window().Init();
    ASSERT_FALSE(Window().IsHeadless());
    int w = 0, h = 0;
    SDL_GetWindowSize(Window().GetWindow(), &w, &h);
    EXPECT_EQ(w, 1280);
    EXPECT_EQ(h, 720);
    EXPECT_STREQ(SDL_GetWindowTitle(Window().GetWindow()), "Vantora");
    EXPECT_TRUE(SDL_GetWindowFlags(Window().GetWindow()) & SDL_WINDOW_HIDDEN) << "graphics shows it";
    EXPECT_TRUE(Window().HasFocus());
    Window().SetFocus(false);
    EXPECT_FALSE(Window().HasFocus());

    SDL_SetWindowSize(Window().GetWindow(), 800, 600);
    Window().PreUpdate();
    EXPECT_EQ(GraphicsSystem::Instance().GetWindowWidth(), 800u);
    EXPECT_EQ(GraphicsSystem::Instance().GetWindowHeight(), 600u);
}

TEST_F(WindowManagerTest, AControllerThatCannotBeOpenedIsIgnored)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    Window().SetHeadless(false);
    Window().Init();
    ASSERT_FALSE(Window().IsHeadless()) << "pads are opened only where there is a window";
    CaptureStdout([] { Input().Init(); });
    GamepadSlots& slots = Input().GetGamepadSlots();
    // Device index 42 names no device, so opening it fails: it must not hold a slot.
    PushPadEvent(SDL_CONTROLLERDEVICEADDED, 42);
    Window().PreUpdate();
    PadState state;
    EXPECT_FALSE(slots.Read(0, state));

    // A pad that does open (SDL's virtual one) is then the first pad, not the second.
    const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                 SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(device, 0) << SDL_GetError();
    Window().PreUpdate();
    EXPECT_TRUE(slots.Read(0, state));
    EXPECT_FALSE(slots.Read(1, state));

    // Unplugging a device no slot holds leaves the real pad where it is.
    PushPadEvent(SDL_CONTROLLERDEVICEREMOVED, 42);
    Window().PreUpdate();
    EXPECT_TRUE(slots.Read(0, state));
    SDL_JoystickDetachVirtual(device);
}

TEST_F(WindowManagerTest, WithoutADisplayTheGameSaysSoOnceAndRunsHeadless)
{
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    Window().SetHeadless(false);
    const std::string printed = CaptureStdout([] { Window().Init(); });
    EXPECT_TRUE(Window().IsHeadless());
    EXPECT_EQ(printed.rfind("No display: the game window cannot be opened (", 0), 0u) << printed;
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1);
    EXPECT_TRUE(Window().HasFocus());
    PushKey(SDL_SCANCODE_W, true);
    Window().PreUpdate();
    EXPECT_TRUE(Input().IsKeyDown('W'));
}
