// The debug panel over a real frame: every kind of entry draws, and a hidden panel takes no input.
#include "RenderFixture.h"

#include "core/TweakBar.h"
#include "core/WindowManager.h"
#include "graphics/GraphicsSystem.h"
#include "input/InputSystem.h"

#include <SDL.h>

class DebugPanelTest : public RenderFixture
{
};

TEST_F(DebugPanelTest, EveryKindOfEntryDrawsOverTheFrame)
{
    START_DEVICE_OR_SKIP();
    TweakBar& bar = GraphicsSystem::Instance().GetTweakBar();
    bool flag = true;
    int count = 3, choice = 1;
    unsigned id = 7;
    float speed = 1.5f, position[3] = {1, 2, 3}, colour[4] = {1, 0, 0, 1}, vector[4] = {};
    std::string name = "ball";
    float readOnly = 2.0f, stored = 4.0f;
    int clicks = 0;
    const std::string group = TweakBar::GroupDefinition("Test");
    bar.AddVarRW("flag", TweakType::Bool, &flag, group);
    bar.AddVarRW("count", TweakType::Int, &count, group);
    bar.AddVarRW("id", TweakType::UInt, &id, group);
    bar.AddVarRW("speed", TweakType::Float, &speed, "");
    bar.AddVarRW("position", TweakType::Vector3, position, group);
    bar.AddVarRW("colour", TweakType::Color4, colour, group);
    bar.AddVarRW("vector", TweakType::Vector4, vector, group);
    bar.AddVarRW("name", TweakType::String, &name, group);
    bar.AddEnum("choice", &choice, {"one", "two"}, group);
    bar.AddVarRO("readOnly", TweakType::Float, &readOnly, group);
    bar.AddVarCB(
        "stored", TweakType::Float, [&](const void* v) { stored = *static_cast<const float*>(v); },
        [&](void* v) { *static_cast<float*>(v) = stored; }, group);
    bar.AddButton(
        "press", [&] { ++clicks; }, group);
    bar.AddSeparator("line", group);
    const DecodedImage withPanel = Frame();
    bar.Clear();
    const DecodedImage without = Frame();
    // The panel is drawn over the top-left corner of an otherwise black frame.
    EXPECT_NE(At(withPanel, 100, 40).r + At(withPanel, 100, 40).g + At(withPanel, 100, 40).b, 0);
    EXPECT_TRUE(IsColour(At(without, 100, 40), 0, 0, 0, 2));
    EXPECT_EQ(stored, 4.0f) << "nothing was edited";
}

TEST_F(DebugPanelTest, AHiddenPanelLeavesEveryEventToTheGame)
{
    START_DEVICE_OR_SKIP();
    Frame();
    SDL_Event click{};
    click.type = SDL_MOUSEBUTTONDOWN;
    click.button.button = SDL_BUTTON_LEFT;
    click.button.state = SDL_PRESSED;
    click.button.x = 20;
    click.button.y = 20;
    SDL_PushEvent(&click);
    WindowManager::Instance().PreUpdate();
    EXPECT_TRUE(InputSystem::Instance().IsMouseDown(0));
}
