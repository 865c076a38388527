#pragma once

#include <atomic>

class Engine;

/// Draws "Loading..." frames over the loading scene until start-up loading is done.
class LoadingScreen
{
  public:
    /// Returns at once if `done` is already set; otherwise draws frames until it is.
    static void Run(Engine& engine, const std::atomic<bool>& done);
    /// One frame: window events, the start-up loader's frame (the caption, a graphics frame, the
    /// upload of the textures decoded so far), the frame cap.
    static void DrawFrame(Engine& engine);
};
