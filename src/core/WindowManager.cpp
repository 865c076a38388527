#include "core/WindowManager.h"

#include "core/WindowListener.h"

#include <SDL.h>
#include <cstdio>
#include <cstring>

namespace
{
constexpr int kWindowX = 20;
constexpr int kWindowY = 20;

bool IsDriverWithoutDisplay(const char* driver)
{
    return driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

bool DriverWasAskedFor()
{
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    return asked && *asked;
}

// The pixel format is fixed when the window is made; the graphics system may still change the
// context attributes before it creates its context.
void RequestGlAttributes()
{
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
}

// Mouse buttons keep the indices the game was written for: 0 left, 1 right, 3 middle.
int GameMouseButton(Uint8 sdlButton)
{
    switch (sdlButton)
    {
    case SDL_BUTTON_LEFT:
        return 0;
    case SDL_BUTTON_RIGHT:
        return 1;
    case SDL_BUTTON_MIDDLE:
        return 3;
    default:
        return -1;
    }
}
} // namespace

WindowManager& WindowManager::Instance()
{
    static WindowManager instance;
    return instance;
}

void WindowManager::Init()
{
    Shutdown();
    // Ctrl+C must still end a run whose frames have stopped pumping events.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (!m_headless && OpenVideo())
        OpenWindow();
    if (!m_window)
        OpenEventsOnly();
}

bool WindowManager::OpenVideo()
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
    {
        std::printf("No display: the game window cannot be opened (%s)\n", SDL_GetError());
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    // SDL falls back to its offscreen driver by itself; a window nobody can see is no window.
    if (IsDriverWithoutDisplay(driver) && !DriverWasAskedFor())
    {
        std::printf("No display: the game window cannot be opened (SDL found only its '%s' driver)\n",
                    driver);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    m_sdlSystems |= SDL_INIT_VIDEO;
    m_driverTracksFocus = !IsDriverWithoutDisplay(driver);
    return true;
}

void WindowManager::OpenWindow()
{
    RequestGlAttributes();
    const Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE;
    const int w = static_cast<int>(m_width);
    const int h = static_cast<int>(m_height);
    m_window = SDL_CreateWindow(m_title.c_str(), kWindowX, kWindowY, w, h, flags | SDL_WINDOW_OPENGL);
    // Drivers without OpenGL (dummy) still get a window; the graphics system reports the rest.
    if (!m_window)
        m_window = SDL_CreateWindow(m_title.c_str(), kWindowX, kWindowY, w, h, flags);
    if (!m_window)
        std::printf("Could not create the window: %s\n", SDL_GetError());
}

void WindowManager::OpenEventsOnly()
{
    if (m_sdlSystems & SDL_INIT_VIDEO)
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    m_sdlSystems = 0;
    m_driverTracksFocus = false;
    if (SDL_InitSubSystem(SDL_INIT_EVENTS) == 0)
        m_sdlSystems = SDL_INIT_EVENTS;
    else
        std::printf("No event queue: %s\n", SDL_GetError());
}

void WindowManager::Shutdown()
{
    DestroyGlContext();
    if (m_window)
        SDL_DestroyWindow(m_window);
    m_window = nullptr;
    if (m_sdlSystems)
        SDL_QuitSubSystem(m_sdlSystems);
    m_sdlSystems = 0;
    m_driverTracksFocus = false;
}

void WindowManager::ApplyWindowMode(bool fullscreen)
{
    if (!m_window)
        return;
    SDL_SetWindowFullscreen(m_window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    if (!fullscreen)
        SDL_SetWindowSize(m_window, static_cast<int>(m_width), static_cast<int>(m_height));
    SDL_ShowWindow(m_window);
}

bool WindowManager::CreateGlContext()
{
    if (!m_window)
        return false;
    if (!m_glContext)
        m_glContext = SDL_GL_CreateContext(m_window);
    if (!m_glContext)
    {
        std::printf("No OpenGL 3.3 context: %s\n", SDL_GetError());
        return false;
    }
    SDL_GL_MakeCurrent(m_window, m_glContext);
    // Frames are presented at once, without waiting for the display.
    SDL_GL_SetSwapInterval(0);
    return true;
}

void WindowManager::DestroyGlContext()
{
    if (m_glContext)
        SDL_GL_DeleteContext(m_glContext);
    m_glContext = nullptr;
}

void WindowManager::SwapWindow()
{
    if (m_window && m_glContext)
        SDL_GL_SwapWindow(m_window);
}

void WindowManager::GetDrawableSize(unsigned& width, unsigned& height) const
{
    int w = 0, h = 0;
    if (m_window && m_glContext)
        SDL_GL_GetDrawableSize(m_window, &w, &h);
    else if (m_window)
        SDL_GetWindowSize(m_window, &w, &h);
    width = w > 0 ? static_cast<unsigned>(w) : m_width;
    height = h > 0 ? static_cast<unsigned>(h) : m_height;
}

void WindowManager::ShowMessage(const std::string& text) const
{
    if (m_window && m_driverTracksFocus &&
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "", text.c_str(), m_window) == 0)
        return;
    std::printf("%s\n", text.c_str());
}

void WindowManager::UseOffscreenDriver()
{
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
}

bool WindowManager::HasFocus() const
{
    if (!m_focusAllowed)
        return false;
    if (!m_window || !m_driverTracksFocus)
        return true;
    return SDL_GetKeyboardFocus() == m_window;
}

void WindowManager::PreUpdate()
{
    if (!m_sdlSystems)
        return;
    SDL_Event event;
    // Events behind a quit request stay queued for the next frame, as the game is ending anyway.
    while (SDL_PollEvent(&event))
        if (!Dispatch(event))
            break;
}

bool WindowManager::Dispatch(const SDL_Event& event)
{
    if (m_eventFilter && m_eventFilter(event))
        return true;
    if (event.type == SDL_QUIT)
    {
        if (s_listener)
            s_listener->OnQuit();
        return false;
    }
    if (!s_listener)
        return true;
    switch (event.type)
    {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        s_listener->OnKey(event.key.keysym.scancode, event.type == SDL_KEYDOWN);
        break;
    case SDL_MOUSEMOTION:
        s_listener->OnMouseMove(event.motion.x, event.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
        DispatchMouseButton(event, true);
        break;
    case SDL_MOUSEBUTTONUP:
        DispatchMouseButton(event, false);
        break;
    case SDL_CONTROLLERDEVICEADDED:
        s_listener->OnPadAdded(event.cdevice.which);
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        s_listener->OnPadRemoved(event.cdevice.which);
        break;
    case SDL_WINDOWEVENT:
        DispatchWindowEvent(event);
        break;
    default:
        break;
    }
    return true;
}

void WindowManager::DispatchMouseButton(const SDL_Event& event, bool down)
{
    const int button = GameMouseButton(event.button.button);
    if (button >= 0)
        s_listener->OnMouseButton(button, down, event.button.x, event.button.y);
}

void WindowManager::DispatchWindowEvent(const SDL_Event& event)
{
    if (event.window.event != SDL_WINDOWEVENT_SIZE_CHANGED)
        return;
    const int w = event.window.data1;
    const int h = event.window.data2;
    if (w > 0 && h > 0)
        s_listener->OnResize(static_cast<unsigned>(w), static_cast<unsigned>(h));
}
