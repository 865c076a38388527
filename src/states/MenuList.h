#pragma once

#include "states/MenuItem.h"
#include "text/Timer.h"

#include <string>
#include <vector>

/// The one text menu every menu screen shares: its items, the highlight, and what confirming an
/// item does. Screens clear and refill it in their Enter and run it from their Update while they
/// are on top.
class MenuList
{
  public:
    static MenuList& Instance();

    /// Seconds the screen takes to fade to black before a switch.
    static constexpr float kFadeSeconds = 1.0f;
    /// Least time between two moves of the highlight while a direction is held.
    static constexpr float kRepeatSeconds = 0.2f;

    /// Empties the menu; the first item added will be highlighted.
    void Clear();
    void Add(const MenuItem& item);
    /// Adds an item with the usual colour and size at (0, y).
    void Add(int action, const std::string& text, float y);
    /// Runs the menu for one frame of the engine's frame time; false on the frame a fade ends.
    bool Update();
    /// Runs the menu for one frame of `dt` seconds; false on the frame a fade ends.
    bool Update(float dt);
    /// Carries out the item's action; asking actions ask first unless `confirmed`.
    void Perform(const MenuItem& item, bool confirmed);
    bool HasAction(int action) const;

    const std::vector<MenuItem>& Items() const { return m_items; }
    int GetSelected() const { return m_selected; }
    bool IsFading() const { return m_fading; }
    /// The state the running fade leads to, -1 for none.
    int GetTargetState() const { return m_targetState; }
    /// Back to a fresh menu: no items, no fade, timers run out (tests).
    void Reset();

  private:
    MenuList();

    bool UpdateFade(float dt);
    void MoveHighlight();
    void FollowMouse();
    void Confirm(int index);
    void Back();
    void Draw() const;
    void StartFade(int state);
    void Ask(const MenuItem& item);
    void ReturnToScreenBelow();
    void ToggleFullscreen();
    void ToggleMuteAll();
    void ToggleMuteMusic();
    void Relabel(int action, const std::string& text);
    /// The item under the mouse pointer, -1 for none.
    int ItemUnderMouse() const;

    Timer m_fade;
    Timer m_repeat;
    bool m_fading = false;
    bool m_moved = false;
    std::vector<MenuItem> m_items;
    int m_selected = 0;
    MenuItem m_pending;
    int m_targetState = -1;
    /// Counts rebuilds of the list, so a frame whose action rebuilt it does not draw it half-done.
    unsigned m_generation = 0;
};
