#include "core/Engine.h"
#include "core/WindowListener.h"
#include "core/WindowManager.h"
#include "objects/XmlNameLists.h"
#include "support/TestSupport.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// Takes the composition root's hooks away for one test and gives them back after.
class WithoutEngineHooks : public testing::Test
{
  protected:
    void SetUp() override { Engine::SetHooks({}); }
    void TearDown() override { Engine::SetHooks(m_saved); }

  private:
    EngineHooks m_saved = Engine::Hooks();
};

class CountingSystem : public System
{
  public:
    void Init() override { ++inits; }
    void PreUpdate() override {}
    void Update() override { ++updates; }
    void PostUpdate() override {}
    int inits = 0;
    int updates = 0;
};

// Writes down what the window manager hands on.
class RecordingListener : public WindowListener
{
  public:
    void OnKey(int scancode, bool down) override { Log("key " + std::to_string(scancode), down); }
    void OnMouseButton(int button, bool down, int x, int y) override
    {
        Log("mouse " + std::to_string(button) + " at " + std::to_string(x) + "," + std::to_string(y), down);
    }
    void OnResize(unsigned width, unsigned height) override
    {
        events.push_back("resize " + std::to_string(width) + "x" + std::to_string(height));
    }
    void OnQuit() override { events.push_back("quit"); }
    std::vector<std::string> events;

  private:
    void Log(const std::string& what, bool down) { events.push_back(what + (down ? " down" : " up")); }
};

void Push(SDL_Event event)
{
    SDL_PushEvent(&event);
}

SDL_Event Key(SDL_Scancode scancode, bool down)
{
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.scancode = scancode;
    return event;
}

SDL_Event Mouse(Uint8 button, int x, int y)
{
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = button;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event Resize(int width, int height)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    event.window.data1 = width;
    event.window.data2 = height;
    return event;
}

SDL_Event Quit()
{
    SDL_Event event{};
    event.type = SDL_QUIT;
    return event;
}
} // namespace

TEST_F(WithoutEngineHooks, TheEngineSkipsWhatNoLayerAnswersAndRunsUntilItsFrameLimit)
{
    CountingSystem system;
    TempFolder folder;
    folder.Write("res/SystemData.xml", "<Systems><UM_Init><s n=\"Counting\"/></UM_Init>"
                                       "<UM_Update><s n=\"Counting\"/></UM_Update></Systems>");
    ScopedWorkingDirectory cwd(folder.Path());
    {
        Engine unread({{"Counting", &system}});
        EXPECT_TRUE(unread.InitList().empty()) << "nothing reads the system order";
        EXPECT_FALSE(CaptureStdout([&] { EXPECT_FALSE(unread.Init()); }).empty())
            << "and without it nothing starts";
    }
    // Only the reader of the system order: no loader and no game flow.
    EngineHooks readerOnly;
    readerOnly.readNameLists = XmlNameLists::Read;
    Engine::SetHooks(readerOnly);
    Engine engine({{"Counting", &system}});
    engine.GetFrameController().SetFixedDeltaTime(0.01f);
    EXPECT_TRUE(engine.Init());
    EXPECT_TRUE(engine.IsLoadingDone()) << "no loader: nothing to wait for";
    engine.MainLoop(3);
    EXPECT_EQ(engine.FramesRun(), 3) << "with no game flow the game neither pauses nor stops";
}

TEST(WindowListener, GetsKeysMouseButtonsAndSizesAndAQuitStopsTheDraining)
{
    WindowManager& window = WindowManager::Instance();
    RecordingListener listener;
    WindowManager::SetListener(&listener);
    window.Init();
    Push(Key(SDL_SCANCODE_A, true));
    Push(Mouse(SDL_BUTTON_MIDDLE, 7, 8));
    Push(Mouse(SDL_BUTTON_X1, 9, 9));
    Push(Resize(0, 600));
    Push(Resize(800, 600));
    Push(Quit());
    Push(Key(SDL_SCANCODE_A, false));
    window.PreUpdate();
    const std::vector<std::string> firstFrame = {"key 4 down", "mouse 3 at 7,8 down", "resize 800x600",
                                                 "quit"};
    EXPECT_EQ(listener.events, firstFrame) << "side buttons and empty sizes are dropped";
    window.PreUpdate();
    EXPECT_EQ(listener.events.back(), "key 4 up") << "what followed the quit waits for the next frame";

    WindowManager::SetListener(nullptr);
    Push(Key(SDL_SCANCODE_A, true));
    window.PreUpdate();
    EXPECT_EQ(listener.events.size(), firstFrame.size() + 1) << "without a listener events are dropped";
    window.Shutdown();
}
