#pragma once

#include <array>
#include <string>

/// Who picks which element on the character select screen: the players take turns in order, each
/// element can be taken once, and players nobody joined for are given one by the computer.
class CharacterRoster
{
  public:
    /// Players who take turns, 0 to 3.
    static constexpr int kPlayers = 4;
    /// Elements on offer: 0 fire, 1 water, 2 wind, 3 earth.
    static constexpr int kElements = 4;

    /// A fresh round: every element free, player 0 choosing with the cursor on fire. Player 0 is
    /// always joined, since the keyboard plays for it.
    void Reset(const std::array<bool, kPlayers>& joined);

    /// The player whose turn it is; kPlayers once everyone has chosen.
    int GetChooser() const { return m_chooser; }
    /// Whether every player has an element.
    bool AllChosen() const { return m_chooser >= kPlayers; }
    /// The element under the chooser's cursor.
    int GetCursor() const { return m_cursor; }
    /// Whether nobody has taken the element yet.
    bool IsAvailable(int element) const;
    /// Whether a person plays for the player (player 0 always).
    bool IsJoined(int player) const;
    /// A player joins for the turns still to come; false when it is too late or already joined.
    bool Join(int player);
    /// A player whose pad is gone before its turn is over leaves, so the computer chooses for it;
    /// player 0 stays, since the keyboard is always there. False when nothing changed.
    bool Leave(int player);

    /// Moves the cursor one free element left (-1) or right (+1), wrapping round. The last
    /// chooser's cursor already rests on the one element left, so it does not move. True when
    /// the cursor moved.
    bool MoveCursor(int step);
    /// The chooser takes the element under the cursor and the turn passes on; returns the element.
    int Choose();

    /// What the player's quarter says: "Ready" once chosen, "Waiting..." for a joined player
    /// whose turn is still to come, "Press start" for one nobody joined for, nothing for the
    /// chooser.
    std::string Status(int player) const;
    /// The player who picks the track: the highest-numbered joined player.
    int LevelChooser() const;

  private:
    std::array<bool, kElements> m_available{};
    std::array<bool, kPlayers> m_joined{};
    int m_chooser = 0;
    int m_cursor = 0;
};
