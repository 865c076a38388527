#pragma once

#include <string>

class TweakBar;
struct TweakEntry;
union SDL_Event;

/// The in-game debug panel: draws the TweakBar that components fill with AddToTweakBar, with
/// Dear ImGui over the finished frame. With the debug view on (F1) it also lists the scene's
/// objects; picking one fills the bar with its components' fields.
class DebugPanel
{
  public:
    DebugPanel() = default;
    ~DebugPanel();
    DebugPanel(const DebugPanel&) = delete;
    DebugPanel& operator=(const DebugPanel&) = delete;

    /// Starts Dear ImGui on the game window and its OpenGL context; false if there is none.
    bool Init();
    /// Stops Dear ImGui; the context must still be current.
    void Shutdown();
    /// Offers a window event; true when the panel used it (it then does not reach the game).
    bool ProcessEvent(const SDL_Event& event);
    /// Draws the panel over the frame, if there is anything to show.
    void Draw(TweakBar& bar);

  private:
    void DrawBar(TweakBar& bar);
    void DrawInspector();
    void DrawEntry(const TweakEntry& entry);
    /// Fills the bar with the picked object's fields, or forgets the pick once it is gone.
    void FillFromSelection(TweakBar& bar);

    bool m_running = false;
    bool m_visible = false;    ///< whether the last frame showed a window that may take input
    unsigned m_selectedId = 0; ///< 0: no object picked
    std::string m_editText;
};
