// The turn order and element rules of the character select, without the screen around them.
#include "states/CharacterRoster.h"

#include <gtest/gtest.h>

namespace
{
CharacterRoster Roster(bool p1, bool p2, bool p3)
{
    CharacterRoster roster;
    roster.Reset({false, p1, p2, p3});
    return roster;
}
} // namespace

TEST(CharacterRosterTest, KeyboardPlayerAloneChoosesThenTheOthersTakeTheNextFreeElementsInTurn)
{
    CharacterRoster roster = Roster(false, false, false);
    EXPECT_TRUE(roster.IsJoined(0)) << "the keyboard always plays for player 0";
    EXPECT_EQ(roster.Status(1), "Press start");
    ASSERT_TRUE(roster.MoveCursor(1));
    EXPECT_EQ(roster.Choose(), 1) << "player 0 takes water";
    EXPECT_EQ(roster.GetCursor(), 2) << "the cursor moves on to the next free element";
    EXPECT_EQ(roster.Choose(), 2);
    EXPECT_EQ(roster.Choose(), 3);
    EXPECT_EQ(roster.GetCursor(), 0) << "wrapping past earth to the one left, fire";
    EXPECT_EQ(roster.Choose(), 0);
    EXPECT_TRUE(roster.AllChosen());
    EXPECT_EQ(roster.LevelChooser(), 0);
}

TEST(CharacterRosterTest, TakenElementsAreSkippedAndTheLastChoosersCursorStays)
{
    CharacterRoster roster = Roster(true, true, true);
    roster.Choose(); // fire
    EXPECT_TRUE(roster.MoveCursor(-1));
    EXPECT_EQ(roster.GetCursor(), 3) << "left from water skips taken fire and wraps to earth";
    roster.Choose(); // earth
    EXPECT_EQ(roster.GetCursor(), 1);
    EXPECT_TRUE(roster.MoveCursor(1));
    EXPECT_EQ(roster.GetCursor(), 2);
    EXPECT_TRUE(roster.MoveCursor(1));
    EXPECT_EQ(roster.GetCursor(), 1) << "only water and wind are left";
    roster.Choose(); // water
    EXPECT_EQ(roster.GetCursor(), 2);
    EXPECT_FALSE(roster.MoveCursor(1)) << "the fourth chooser has one element left";
    EXPECT_FALSE(roster.MoveCursor(-1));
    EXPECT_EQ(roster.Choose(), 2);
    for (int element = 0; element < CharacterRoster::kElements; ++element)
        EXPECT_FALSE(roster.IsAvailable(element));
    EXPECT_EQ(roster.LevelChooser(), 3);
}

TEST(CharacterRosterTest, JoiningBeforeTheTurnShowsWaitingThenReady)
{
    CharacterRoster roster = Roster(false, false, false);
    EXPECT_TRUE(roster.Join(2));
    EXPECT_FALSE(roster.Join(2)) << "already joined";
    EXPECT_FALSE(roster.Join(0)) << "the chooser cannot join again";
    EXPECT_EQ(roster.Status(2), "Waiting...");
    EXPECT_EQ(roster.Status(0), "");
    roster.Choose();
    roster.Choose();
    EXPECT_FALSE(roster.Join(1)) << "too late: player 1 has had its turn";
    EXPECT_EQ(roster.Status(2), "");
    roster.Choose();
    EXPECT_EQ(roster.Status(2), "Ready");
    EXPECT_EQ(roster.LevelChooser(), 2) << "the highest joined player picks the track";
}

TEST(CharacterRosterTest, APlayerWhosePadIsGoneLeavesButPlayerZeroAndPastTurnsStay)
{
    CharacterRoster roster = Roster(true, true, false);
    EXPECT_FALSE(roster.Leave(0));
    roster.Choose();
    roster.Choose();
    EXPECT_FALSE(roster.Leave(1)) << "player 1 has chosen already";
    EXPECT_TRUE(roster.Leave(2)) << "player 2 is choosing and its pad went";
    EXPECT_EQ(roster.Status(3), "Press start");
    EXPECT_EQ(roster.LevelChooser(), 1);
}
