#pragma once

#include "core/StartupLoader.h"

/// Start-up's content: the loading scene and its camera, and every texture, decoded on the
/// worker and uploaded between loading frames.
class LoadingContent final : public StartupLoader
{
  public:
    /// The texture names, then the three textures the loading scene shows.
    void LoadLoadingScreenTextures() override;
    /// The scene "loading" with its camera as the active one; every texture queued.
    void BeginLoading() override;
    /// Decodes the queued textures.
    void LoadInBackground() override;
    /// The caption, one graphics frame and the upload of what is decoded so far.
    void DrawLoadingFrame(const std::string& caption) override;
    /// The last uploads, then the loading scene's objects are deleted.
    void EndLoading() override;
};
