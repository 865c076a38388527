#include "core/LoadingScreen.h"

#include "core/Engine.h"
#include "core/WindowManager.h"
#include "graphics/GraphicsSystem.h"

void LoadingScreen::Run(Engine& engine, const std::atomic<bool>& done)
{
    while (!done.load())
        DrawFrame(engine);
}

void LoadingScreen::DrawFrame(Engine& engine)
{
    FrameRateController& frames = engine.GetFrameController();
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    frames.StartFrame();
    WindowManager::Instance().PreUpdate();
    graphics.PrintToScreen("Loading...", 0.0f, -0.9f, {30, 0, 0, 0}, {1, 1, 1, 1});
    graphics.PreUpdate();
    graphics.Update();
    graphics.PostUpdate();
    graphics.UploadDecodedTextures();
    frames.EndFrame();
}
