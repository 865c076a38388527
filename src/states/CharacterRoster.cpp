#include "states/CharacterRoster.h"

void CharacterRoster::Reset(const std::array<bool, kPlayers>& joined)
{
    m_available.fill(true);
    m_joined = joined;
    m_joined[0] = true;
    m_chooser = 0;
    m_cursor = 0;
}

bool CharacterRoster::IsAvailable(int element) const
{
    return element >= 0 && element < kElements && m_available[static_cast<size_t>(element)];
}

bool CharacterRoster::IsJoined(int player) const
{
    return player >= 0 && player < kPlayers && m_joined[static_cast<size_t>(player)];
}

bool CharacterRoster::Join(int player)
{
    if (player <= m_chooser || player >= kPlayers || IsJoined(player))
        return false;
    m_joined[static_cast<size_t>(player)] = true;
    return true;
}

bool CharacterRoster::Leave(int player)
{
    if (player <= 0 || player < m_chooser || !IsJoined(player))
        return false;
    m_joined[static_cast<size_t>(player)] = false;
    return true;
}

bool CharacterRoster::MoveCursor(int step)
{
    if (m_chooser >= kPlayers - 1 || step == 0)
        return false;
    const int direction = step < 0 ? -1 : 1;
    for (int tries = 1; tries < kElements; ++tries)
    {
        const int element = (m_cursor + direction * tries + kElements) % kElements;
        if (IsAvailable(element))
        {
            m_cursor = element;
            return true;
        }
    }
    return false;
}

int CharacterRoster::Choose()
{
    const int element = m_cursor;
    if (AllChosen())
        return element;
    m_available[static_cast<size_t>(element)] = false;
    if (m_chooser < kPlayers - 1)
        MoveCursor(1);
    ++m_chooser;
    return element;
}

std::string CharacterRoster::Status(int player) const
{
    if (player < m_chooser)
        return "Ready";
    if (player == m_chooser)
        return "";
    return IsJoined(player) ? "Waiting..." : "Press start";
}

int CharacterRoster::LevelChooser() const
{
    for (int player = kPlayers - 1; player > 0; --player)
        if (IsJoined(player))
            return player;
    return 0;
}
