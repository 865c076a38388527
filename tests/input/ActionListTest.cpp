#include "input/ActionList.h"
#include "core/WindowManager.h"
#include "input/InputSystem.h"
#include "input/VirtualKeyMap.h"
#include "objects/Logic.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <sstream>

namespace
{
constexpr int kLeft = static_cast<int>(Action::PlayerMoveXLeft);
constexpr int kRight = static_cast<int>(Action::PlayerMoveXRight);
constexpr int kUp = static_cast<int>(Action::PlayerMoveYUp);
constexpr int kJump = static_cast<int>(Action::PlayerJump);
constexpr int kPowerUp = static_cast<int>(Action::UsePowerUp);
constexpr int kVelX = static_cast<int>(Action::PlayerVelX);

KeyBindings::Table ParseBindings(const std::string& text, std::string* printed = nullptr)
{
    std::istringstream in(text);
    KeyBindings::Table table;
    const std::string out = CaptureStdout([&] { table = KeyBindings::Parse(in, "keyBindings.txt"); });
    if (printed)
        *printed = out;
    return table;
}

class ActionListTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        CaptureStdout([] { InputSystem::Instance().Init(); });
        EndFrame();
        // Arrows steer, Space and A jump, E and RB use the power-up.
        ActionList::Instance().SetBindings(ParseBindings("0\n0\n37\n0\n39\n0\n38\n0\n40\n0\n"
                                                         "0\n0\n0\n0\n32\n4096\n69\n512\n"));
        for (int player = 0; player < ActionList::kPlayerCount; ++player)
            Logic::Instance().SetPlayerIsComputer(player, false);
    }

    static ActionList& Actions() { return ActionList::Instance(); }
    static GamepadSlots& Slots() { return InputSystem::Instance().GetGamepadSlots(); }
    static void EndFrame()
    {
        CaptureStdout([] { InputSystem::Instance().PostUpdate(); });
    }
    /// One frame as the engine runs it: actions in the update, input polled at the end.
    static void Frame()
    {
        Actions().Update();
        EndFrame();
    }
};
} // namespace

TEST(KeyBindings, ReadsKeyAndButtonPairsAndSkipsTheComments)
{
    const KeyBindings::Table table = ParseBindings("27 QUIT: Escape\n32 QUIT: Back\n\n  65\tleft: A\r\n0\n");
    EXPECT_EQ(table[0].key, 27);
    EXPECT_EQ(table[0].button, 32);
    EXPECT_EQ(table[1].key, 65);
    EXPECT_EQ(table[1].button, 0);
    EXPECT_EQ(table[9].key, 0) << "a short file leaves the rest unbound";
}

TEST(KeyBindings, TheFirstBadLineEndsTheReadingWithOneMessage)
{
    std::string printed;
    KeyBindings::Table table = ParseBindings("27\n32\nforty\n5\n6\n", &printed);
    EXPECT_EQ(table[0].key, 27);
    EXPECT_EQ(table[0].button, 32);
    EXPECT_EQ(table[1].key, 0) << "nothing after the bad line is read";
    EXPECT_EQ(printed, "keyBindings.txt line 3: does not begin with a number; the bindings from here on stay "
                       "unbound\n");

    table = ParseBindings("27 " + std::string(256, 'x') + "\n32\n", &printed);
    EXPECT_EQ(table[0].key, 0);
    EXPECT_NE(printed.find("line 1: the text after the number is longer than 255"), std::string::npos);
    table = ParseBindings("27 " + std::string(254, 'x') + "\n32\n");
    EXPECT_EQ(table[0].button, 32) << "255 characters after the number are fine";

    table = ParseBindings("-5\n99999999999\n7\n", &printed);
    EXPECT_EQ(table[0].key, -5);
    EXPECT_EQ(table[0].button, 0);
    EXPECT_NE(printed.find("line 2: the number does not fit in 32 bits"), std::string::npos);
}

TEST(KeyBindings, AMissingFileBindsNothing)
{
    KeyBindings::Table table{};
    table[3].key = 9;
    const std::string printed = CaptureStdout([&] { table = KeyBindings::Load("/no/such/keyBindings.txt"); });
    EXPECT_EQ(table[3].key, 0);
    EXPECT_EQ(printed, "cannot open file: /no/such/keyBindings.txt (no key or button is bound)\n");
}

TEST(KeyBindings, TheShippedFileBindsAllTenActionsAndLeavesTheStickToSteer)
{
    KeyBindings::Table table;
    const std::string printed = CaptureStdout(
        [&] { table = KeyBindings::Load(std::string(VANTORA_SOURCE_DIR) + "/res/keyBindings.txt"); });
    EXPECT_EQ(printed, "");
    for (int action = 0; action < KeyBindings::kBoundActionCount; ++action)
        EXPECT_GT(table[static_cast<size_t>(action)].key, 0) << action;
    for (int action = kLeft; action <= static_cast<int>(Action::PlayerMoveYDown); ++action)
        EXPECT_EQ(table[static_cast<size_t>(action)].button, 0) << action;
    EXPECT_EQ(table[kJump].key, VirtualKey::kSpace);
    EXPECT_EQ(table[kJump].button, PadButton::kA);
}

TEST_F(ActionListTest, AKeyTriggersPlayerZerosActionForOneFrame)
{
    InputSystem::Instance().SetKey(VirtualKey::kSpace, true);
    Actions().Update();
    EXPECT_TRUE(Actions().IsTriggered(0, kJump));
    EndFrame();
    Actions().Update();
    EXPECT_TRUE(Actions().IsPressed(0, kJump));
    EXPECT_FALSE(Actions().IsTriggered(0, kJump));
    EXPECT_FALSE(Actions().IsPressed(1, kJump)) << "the keyboard belongs to player 0 only";
}

TEST_F(ActionListTest, PadButtonsDriveEachPlayerAndAKeyDoesNotReleaseThem)
{
    Slots().InjectConnect(0);
    Slots().InjectConnect(2);
    Slots().InjectButtons(0, PadButton::kRightShoulder, true);
    Slots().InjectButtons(2, PadButton::kA, true);
    EndFrame();
    Actions().Update();
    EXPECT_TRUE(Actions().IsPressed(0, kPowerUp)) << "the idle E key leaves the button's press";
    EXPECT_TRUE(Actions().IsTriggered(2, kJump));
    EXPECT_FALSE(Actions().IsPressed(1, kJump));
}

TEST_F(ActionListTest, WithoutAPadPlayerZeroSteersWithTheKeysAndLeftWinsOverRight)
{
    InputSystem::Instance().SetKey(VirtualKey::kLeft, true);
    Frame();
    EXPECT_EQ(Actions().GetMoveVector(0), Vector4(-1, 0, 0, 0));
    InputSystem::Instance().SetKey(VirtualKey::kRight, true);
    InputSystem::Instance().SetKey(VirtualKey::kUp, true);
    Frame();
    EXPECT_EQ(Actions().GetMoveVector(0), Vector4(-1, 1, 0, 0));
}

TEST_F(ActionListTest, AStickAwayFromZeroIsKeptOverTheKeys)
{
    Slots().InjectConnect(0);
    Slots().InjectAxis(0, PadAxis::LeftX, 16384);
    EndFrame();
    InputSystem::Instance().SetKey(VirtualKey::kRight, true);
    InputSystem::Instance().SetKey(VirtualKey::kUp, true);
    Frame();
    const Vector4 move = Actions().GetMoveVector(0);
    EXPECT_FLOAT_EQ(move.x, 16384.0f / 32767.0f);
    EXPECT_EQ(move.y, 1.0f) << "the stick's y is in its dead zone, so the key stands in";
}

TEST_F(ActionListTest, ABoundMoveButtonTurnsTheStickOff)
{
    KeyBindings::Table bindings = Actions().GetBindings();
    bindings[kLeft].button = PadButton::kDpadLeft;
    Actions().SetBindings(bindings);
    Slots().InjectConnect(1);
    Slots().InjectAxis(1, PadAxis::LeftX, -32768);
    EndFrame();
    Frame();
    EXPECT_EQ(Actions().GetMoveVector(1), Vector4());
}

TEST_F(ActionListTest, ComputerPlayersAreClearedEachUpdateAndKeepTheirOtherActions)
{
    Logic::Instance().SetPlayerIsComputer(1, true);
    Actions().SetMoveAxes(1, 3.0, -6.0);
    Actions().SetAction(1, kPowerUp, 55.0, true);
    Actions().SetAction(1, kVelX, 2.5, true);
    EXPECT_EQ(Actions().GetMoveVector(1), Vector4(3, -6, 0, 0)) << "the AI pushes harder than a full stick";

    Slots().InjectConnect(1);
    Slots().InjectButtons(1, PadButton::kA, true);
    EndFrame();
    Actions().Update();
    EXPECT_EQ(Actions().GetMoveVector(1), Vector4());
    EXPECT_FALSE(Actions().IsPressed(1, kPowerUp));
    EXPECT_FALSE(Actions().IsPressed(1, kJump)) << "a computer player's pad is not read";
    EXPECT_TRUE(Actions().IsPressed(1, kVelX));
    EXPECT_EQ(Actions().GetValue(1, kVelX), 2.5);
}

TEST_F(ActionListTest, AnUnpluggedPadContributesNothing)
{
    Slots().InjectConnect(0);
    Slots().InjectButtons(0, PadButton::kA, true);
    Slots().InjectAxis(0, PadAxis::LeftX, -32768);
    EndFrame();
    Frame();
    ASSERT_TRUE(Actions().IsPressed(0, kJump));
    ASSERT_EQ(Actions().GetMoveVector(0).x, -1.0f);

    Slots().InjectDisconnect(0);
    EndFrame();
    Actions().Update();
    EXPECT_FALSE(Actions().IsPressed(0, kJump)) << "a held button does not outlive its pad";
    EXPECT_EQ(Actions().GetMoveVector(0), Vector4()) << "nor does a stick held mid-turn";
    InputSystem::Instance().SetKey(VirtualKey::kRight, true);
    Frame();
    EXPECT_EQ(Actions().GetMoveVector(0), Vector4(1, 0, 0, 0)) << "so the keys steer straight again";
}

TEST_F(ActionListTest, EveryBoundKeyStartsAndEndsItsActionWithoutAPad)
{
    Actions().SetBindings(KeyBindings::Load(std::string(VANTORA_SOURCE_DIR) + "/res/keyBindings.txt"));
    for (int action = 0; action < KeyBindings::kBoundActionCount; ++action)
    {
        const int key = Actions().GetBindings()[static_cast<size_t>(action)].key;
        if (key == 0)
            continue;
        InputSystem::Instance().SetKey(key, true);
        Frame();
        EXPECT_TRUE(Actions().IsPressed(0, action)) << action;
        InputSystem::Instance().SetKey(key, false);
        Frame();
        EXPECT_FALSE(Actions().IsPressed(0, action))
            << "action " << action << " sticks after its key is released";
    }
}

TEST_F(ActionListTest, AComputerPlayerZeroDrivesWithExactlyTheAxesItWrote)
{
    Logic::Instance().SetPlayerIsComputer(0, true);
    Actions().Update();
    Actions().SetMoveAxes(0, 0.0, 0.0);
    EXPECT_EQ(Actions().GetMoveVector(0), Vector4()) << "a pressed axis at zero is not a held key";
    Actions().SetMoveAxes(0, -0.25, 0.0);
    EXPECT_EQ(Actions().GetMoveVector(0), Vector4(-0.25f, 0, 0, 0));
}
