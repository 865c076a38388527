// vantora: the game. No arguments; everything it shows is data under res/.
#include "app/CompositionRoot.h"
#include "core/Engine.h"
#include "core/Messaging.h"
#include "core/SystemTable.h"
#include "core/WindowManager.h"
#include "graphics/GraphicsSystem.h"
#include "objects/Factory.h"
#include "states/GameSettings.h"
#include "states/RaceRecording.h"
#include "states/SoundVolumes.h"

#include <memory>

int main()
{
    Messaging::WriteDiagnosticsLineByLine();
    CompositionRoot::Compose();
    AllSystems();
    WindowManager& window = WindowManager::Instance();
    window.SetTitle("Vantora");
    window.SetWidth(1280);
    window.SetHeight(720);
    window.SetHeadless(false);
    // The player's last choices, before the window opens in its mode.
    GraphicsSystem::Instance().SetFullscreen(GameSettings::Instance().IsFullscreen());
    SoundVolumes::Apply();
    // Every race is kept as a replay, the last ten of them.
    RaceRecording::Instance().RecordToFolder(RaceRecording::DefaultFolder());

    auto engine = std::make_unique<Engine>();
    if (!engine->Init())
        return 1;
    // Without a window nobody could see or steer the game; the window manager has said why.
    const bool shown = !window.IsHeadless();
    if (shown)
        engine->MainLoop();
    // A race left by closing the window is kept like one left through the menus.
    RaceRecording::Instance().RaceEnds();

    Factory::Instance().DestroyAll();
    // The debug panel and every device object go while their OpenGL context still exists.
    GraphicsSystem::Instance().Shutdown();
    window.Shutdown();
    return shown ? 0 : 1;
}
