#pragma once

#include "core/EmptySystem.h"

#include <functional>
#include <string>

class WindowListener;
struct SDL_Window;
union SDL_Event;

/// Owns the game window and pumps its events once per frame: keys, the mouse, pads coming and
/// going, size changes and a quit request go to the window listener (the input system, the
/// graphics system and the game states, wired by the composition root). Headless (the default,
/// for tests and the runner) there is no window and the game counts as focused.
class WindowManager final : public EmptySystem
{
  public:
    /// Sees every event before the game does and returns true when it used it up.
    using EventFilter = std::function<bool(const SDL_Event&)>;

    /// The single instance.
    static WindowManager& Instance();

    /// Opens the window, hidden until the graphics system applies the window mode. Without a
    /// display it says so once and carries on headless.
    void Init() override;
    /// Drains the event queue; a quit request stops the draining for this frame.
    void PreUpdate() override;
    /// Closes the window and SDL's video and event support (Init may run again after it). Called
    /// by the program's end, not at process exit, where other systems may still hold the window.
    void Shutdown();

    /// Before Init: false asks for a real window. The offscreen driver counts as a display only
    /// when asked for by name (SDL_VIDEODRIVER or the SDL hint).
    void SetHeadless(bool headless) { m_headless = headless; }
    /// True without a window, whether asked for or because no display was found.
    bool IsHeadless() const { return m_window == nullptr; }
    /// The window, null when headless.
    SDL_Window* GetWindow() const { return m_window; }
    /// Shows the window, full screen on the desktop's mode or windowed at width x height.
    void ApplyWindowMode(bool fullscreen);

    /// Creates the window's OpenGL context (no vertical sync) and makes it current; false, with
    /// SDL's reason printed, when the driver cannot.
    bool CreateGlContext();
    /// Deletes the OpenGL context (the graphics system has released its objects first).
    void DestroyGlContext();
    /// The OpenGL context, null without one.
    void* GetGlContext() const { return m_glContext; }
    /// Presents the frame drawn into the back buffer.
    void SwapWindow();
    /// Size in pixels of what the context draws into; the window size without a context.
    void GetDrawableSize(unsigned& width, unsigned& height) const;
    /// Shows a message: a message box where a window is on a real display, standard output
    /// otherwise (headless, offscreen, or when the box cannot be shown).
    void ShowMessage(const std::string& text) const;
    /// Before Init: render on SDL's offscreen driver (Mesa), with no display needed.
    void UseOffscreenDriver();

    /// The debug panel's hook: offered each event first; null removes it.
    void SetEventFilter(EventFilter filter) { m_eventFilter = std::move(filter); }
    /// Receives the window's events; set by the composition root, null drops them.
    static void SetListener(WindowListener* listener) { s_listener = listener; }

    /// Whether the game window has the keyboard focus. Where nothing decides focus (headless,
    /// offscreen or dummy driver) the game counts as focused unless it was taken with SetFocus.
    bool HasFocus() const;
    /// Takes the focus away or gives it back where no window system does (runner scripts, tests).
    void SetFocus(bool focused) { m_focusAllowed = focused; }

    /// Window caption; set before Init.
    void SetTitle(const std::string& title) { m_title = title; }
    const std::string& GetTitle() const { return m_title; }
    /// Client width of the window when windowed; set before Init.
    void SetWidth(unsigned width) { m_width = width; }
    unsigned GetWidth() const { return m_width; }
    /// Client height of the window when windowed; set before Init.
    void SetHeight(unsigned height) { m_height = height; }
    unsigned GetHeight() const { return m_height; }

  private:
    WindowManager() = default;
    bool OpenVideo();
    void OpenWindow();
    void OpenEventsOnly();
    /// Routes one event; false for a quit request.
    bool Dispatch(const SDL_Event& event);
    void DispatchWindowEvent(const SDL_Event& event);
    void DispatchMouseButton(const SDL_Event& event, bool down);

    std::string m_title = "Vantora";
    unsigned m_width = 1280;
    unsigned m_height = 720;
    bool m_headless = true;
    SDL_Window* m_window = nullptr;
    void* m_glContext = nullptr;
    unsigned m_sdlSystems = 0;
    bool m_driverTracksFocus = false;
    bool m_focusAllowed = true;
    EventFilter m_eventFilter;
    static inline WindowListener* s_listener = nullptr;
};
