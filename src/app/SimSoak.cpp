#include "app/SimSoak.h"

#include "core/VirtualKey.h"
#include "input/InputSystem.h"
#include "objects/GameObject.h"
#include "states/GameStateId.h"
#include "states/GameStateManager.h"
#include "states/MenuAction.h"
#include "states/MenuList.h"
#include "states/RaceRecording.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <malloc.h>
#include <string>

namespace
{
/// Frames the menu is left alone after it opens or after a key, so its fade and repeat timers
/// have run out and each press counts once.
constexpr int kMenuPause = 20;

/// A "VmHWM:" or "VmRSS:" figure of this process in kB; 0 where /proc is not there.
long long ProcessMemoryKb(const char* field)
{
    std::ifstream status("/proc/self/status");
    const size_t length = std::strlen(field);
    for (std::string line; std::getline(status, line);)
        if (line.compare(0, length, field) == 0)
            return std::stoll(line.substr(length));
    return 0;
}

/// The id of the screen on top among the ones the soak watches for; 0 for any other.
/// Bytes the C library's allocator has handed out and not had back, in kB: a leak shows here
/// long before the pages it spoils show in the resident memory.
long long HeapInUseKb()
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
    return static_cast<long long>(mallinfo2().uordblks / 1024);
#else
    return 0;
#endif
}

/// The id of the screen on top among the ones the soak watches for; 0 for any other.
int TopState()
{
    const GameStateManager& states = GameStateManager::Instance();
    for (const int id :
         {GameStateId::kMainMenu, GameStateId::kLevel1, GameStateId::kPauseMenu, GameStateId::kResultScreen})
        if (states.StackSize() > 0 && states.IsTop(id))
            return id;
    return GameStateId::kNone;
}
} // namespace

SimSoak::SimSoak(int races, std::optional<double> minutes) : m_races(races), m_minutes(minutes) {}

bool SimSoak::TimeIsUp() const
{
    const double minutes =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count() / 60.0;
    return m_minutes && minutes >= *m_minutes;
}

void SimSoak::BeforeFrame()
{
    InputSystem& input = InputSystem::Instance();
    if (m_heldKey >= 0)
    {
        input.SetKey(m_heldKey, false);
        m_heldKey = -1;
        return;
    }
    const bool onMenu = TopState() == GameStateId::kMainMenu;
    m_framesOnMenu = onMenu ? m_framesOnMenu + 1 : 0;
    if (onMenu && m_framesOnMenu > kMenuPause && !MenuList::Instance().IsFading() && m_racesEnded < m_races)
        PressMenuKey();
}

void SimSoak::PressMenuKey()
{
    const MenuList& menu = MenuList::Instance();
    const int selected = menu.GetSelected();
    const bool onAutoplay = selected >= 0 && selected < static_cast<int>(menu.Items().size()) &&
                            menu.Items()[static_cast<size_t>(selected)].action == MenuAction::kAutoplay;
    m_heldKey = onAutoplay ? VirtualKey::kEnter : VirtualKey::kDown;
    InputSystem::Instance().SetKey(m_heldKey, true);
    m_framesOnMenu = 0;
}

bool SimSoak::AfterFrame(long long framesRun)
{
    const int top = TopState();
    if (top == GameStateId::kLevel1 && m_lastTop != GameStateId::kLevel1 &&
        m_lastTop != GameStateId::kPauseMenu)
        m_raceStartFrame = framesRun;
    if (top == GameStateId::kResultScreen && m_lastTop != GameStateId::kResultScreen)
    {
        ++m_racesEnded;
        m_peakKb = ProcessMemoryKb("VmHWM:");
        m_residentKb = ProcessMemoryKb("VmRSS:");
        if (m_racesEnded == 1)
            m_peakAfterFirstKb = m_peakKb;
        if (TimeIsUp())
            m_races = m_racesEnded;
        std::printf(
            "soak: race %d seed %u frames %lld peak %lld kB resident %lld kB heap %lld kB objects %zu\n",
            m_racesEnded, RaceRecording::Instance().LastSeed(), framesRun - m_raceStartFrame, m_peakKb,
            m_residentKb, HeapInUseKb(), GameObject::LiveObjects().LiveCount());
    }
    m_lastTop = top;
    return m_racesEnded >= m_races && top == GameStateId::kMainMenu;
}

void SimSoak::PrintSummary() const
{
    const double minutes =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count() / 60.0;
    std::printf("soak: %d races in %.1f minutes (%.2f per minute); peak after the first race %lld kB, at the "
                "end %lld kB, growth %.2f MiB; resident at the end %lld kB\n",
                m_racesEnded, minutes, minutes > 0.0 ? m_racesEnded / minutes : 0.0, m_peakAfterFirstKb,
                m_peakKb, static_cast<double>(m_peakKb - m_peakAfterFirstKb) / 1024.0, m_residentKb);
}
