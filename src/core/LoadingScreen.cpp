#include "core/LoadingScreen.h"

#include "core/Engine.h"
#include "core/StartupLoader.h"
#include "core/WindowManager.h"

namespace
{
constexpr const char* kCaption = "Loading...";
} // namespace

void LoadingScreen::Run(Engine& engine, const std::atomic<bool>& done)
{
    while (!done.load())
        DrawFrame(engine);
}

void LoadingScreen::DrawFrame(Engine& engine)
{
    FrameRateController& frames = engine.GetFrameController();
    frames.StartFrame();
    WindowManager::Instance().PreUpdate();
    if (StartupLoader* loader = Engine::Hooks().loader)
        loader->DrawLoadingFrame(kCaption);
    frames.EndFrame();
}
