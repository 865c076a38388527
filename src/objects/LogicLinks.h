#pragma once

#include <functional>
#include <memory>

class ScriptHost;

/// What Logic asks of the layers above it: the keyboard, the window mode and the Lua host it owns.
/// The composition root fills it before Logic is first used; an empty slot is skipped.
struct LogicLinks
{
    /// Whether a key (a Windows virtual-key code) went down this frame.
    std::function<bool(int key)> isKeyTriggered;
    /// Switches between full screen and the window.
    std::function<void()> toggleFullscreen;
    /// Makes the script host Logic owns, with an empty function table.
    std::function<std::shared_ptr<ScriptHost>()> makeScriptHost;
    /// Sets the host up in Logic::Init: the function library and the start-up states.
    std::function<void(ScriptHost&)> setUpScriptHost;
};
