#include "app/WindowRouter.h"

#include "graphics/GraphicsSystem.h"
#include "input/InputSystem.h"
#include "input/VirtualKeyMap.h"
#include "states/GameStateManager.h"

void WindowRouter::OnKey(int scancode, bool down)
{
    if (const int key = VirtualKeyFromScancode(scancode))
        InputSystem::Instance().SetKey(key, down);
}

void WindowRouter::OnMouseMove(int x, int y)
{
    InputSystem::Instance().MouseMove(x, y);
}

void WindowRouter::OnMouseButton(int button, bool down, int x, int y)
{
    InputSystem& input = InputSystem::Instance();
    if (down)
        input.MouseButtonDown(button, x, y);
    else
        input.MouseButtonUp(button);
}

void WindowRouter::OnPadAdded(int deviceIndex)
{
    InputSystem::Instance().GetGamepadSlots().OnDeviceAdded(deviceIndex);
}

void WindowRouter::OnPadRemoved(int instanceId)
{
    InputSystem::Instance().GetGamepadSlots().OnDeviceRemoved(instanceId);
}

void WindowRouter::OnResize(unsigned width, unsigned height)
{
    GraphicsSystem::Instance().Resize(width, height);
}

void WindowRouter::OnQuit()
{
    GameStateManager::Instance().SetRunning(false);
}
