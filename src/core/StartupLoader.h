#pragma once

#include <string>

/// What start-up loads while the loading screen shows. The graphics and object layers own that
/// content; the composition root wires it in.
class StartupLoader
{
  public:
    virtual ~StartupLoader() = default;
    /// After the window's and the graphics system's Init: the textures the loading scene shows.
    virtual void LoadLoadingScreenTextures() = 0;
    /// After every system's Init: shows the loading scene and queues the remaining textures.
    virtual void BeginLoading() = 0;
    /// On a worker thread: decodes what BeginLoading queued.
    virtual void LoadInBackground() = 0;
    /// On the main thread: one loading frame showing `caption`, and the upload of what is
    /// decoded so far.
    virtual void DrawLoadingFrame(const std::string& caption) = 0;
    /// After the worker has finished: the last uploads and the removal of the loading scene.
    virtual void EndLoading() = 0;
};
