// vantora: the game. No arguments; everything it shows is data under res/.
#include "core/Engine.h"
#include "core/SystemTable.h"
#include "core/WindowManager.h"
#include "objects/Factory.h"

#include <memory>

int main()
{
    AllSystems();
    WindowManager& window = WindowManager::Instance();
    window.SetTitle("Vantora");
    window.SetWidth(1280);
    window.SetHeight(720);

    auto engine = std::make_unique<Engine>();
    engine->Init();
    engine->MainLoop();

    Factory::Instance().DestroyAll();
    return 0;
}
