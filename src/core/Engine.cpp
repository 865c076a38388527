#include "core/Engine.h"

#include "core/EngineGlobals.h"
#include "core/GameFlow.h"
#include "core/LoadingScreen.h"
#include "core/ResourcePaths.h"
#include "core/StartupLoader.h"
#include "core/System.h"
#include "core/SystemTable.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>

std::map<std::string, System*> systemsByName;
std::map<int, std::string> realTrackNames;
std::vector<std::string> displayTrackNames;

namespace
{
constexpr unsigned kFrameRate = 60;
} // namespace

Engine::Engine() : Engine(DefaultSystemsByName())
{
    systemsByName = m_systems;
}

Engine::Engine(std::map<std::string, System*> systems, Clock* clock)
    : m_frameController(clock), m_systems(std::move(systems))
{
    s_current = this;
    ReadSystemData();
    ReadTrackList();
    m_loadingDone = false;
}

Engine::~Engine()
{
    if (s_current == this)
        s_current = nullptr;
}

System* Engine::Named(const std::string& name) const
{
    auto found = m_systems.find(name);
    return found == m_systems.end() ? nullptr : found->second;
}

NameLists Engine::ReadNameLists(const char* path, const std::vector<std::string>& headings)
{
    NameLists lists;
    if (s_hooks.readNameLists)
        lists = s_hooks.readNameLists(path, headings);
    lists.resize(headings.size());
    return lists;
}

void Engine::ReadSystemData()
{
    const NameLists names =
        ReadNameLists(ResourcePaths::kSystemData, {"UM_Init", "UM_Pre", "UM_Update", "UM_Post"});
    std::vector<System*>* lists[] = {&m_initList, &m_preList, &m_updateList, &m_postList};
    for (size_t heading = 0; heading < names.size(); ++heading)
        for (const std::string& name : names[heading])
        {
            // Unknown names are skipped without a message.
            if (System* system = Named(name))
                lists[heading]->push_back(system);
        }
}

void Engine::ReadTrackList()
{
    realTrackNames.clear();
    displayTrackNames.clear();
    const NameLists names = ReadNameLists(ResourcePaths::kTrackList, {"RealTrackNames", "DisplayTrackNames"});
    int index = 0;
    for (const std::string& name : names[0])
        realTrackNames[index++] = name;
    displayTrackNames = names[1];
}

void Engine::InitSystems()
{
    if (m_initList.size() < 2 || m_initList[0] != Named("WindowManager") ||
        m_initList[1] != Named("GraphicsSystem"))
        std::printf("SystemData: \"UM_Init\" should list WindowManager and GraphicsSystem first\n");

    // The window and the device come first: the loading scene's textures need them.
    for (size_t i = 0; i < m_initList.size() && i < 2; ++i)
        m_initList[i]->Init();
    if (s_hooks.loader)
        s_hooks.loader->LoadLoadingScreenTextures();
    for (size_t i = 2; i < m_initList.size(); ++i)
        m_initList[i]->Init();
}

bool Engine::HasSystemList() const
{
    return !(m_initList.empty() && m_preList.empty() && m_updateList.empty() && m_postList.empty());
}

bool Engine::Init()
{
    // Without its system list nothing would ever open a window or stop the loop: the program
    // would spin forever, or end having done nothing and claim success.
    if (!HasSystemList())
    {
        std::printf("Cannot start: %s lists no systems to run\n", ResourcePaths::kSystemData);
        std::fflush(stdout);
        return false;
    }
    m_frameController.SetFrameRate(kFrameRate);
    InitSystems();
    ShowLoadingScreenWhileTexturesLoad();
    std::srand(m_seed ? *m_seed : static_cast<unsigned>(std::time(nullptr)));
    return true;
}

void Engine::ShowLoadingScreenWhileTexturesLoad()
{
    StartupLoader* loader = s_hooks.loader;
    if (!loader)
    {
        m_loadingDone = true;
        return;
    }
    // GL contexts belong to one thread, so the roles of the two threads are swapped: workers
    // decode the texture files while this thread keeps drawing "Loading..." frames and uploads
    // each texture as soon as it is decoded.
    loader->BeginLoading();
    std::thread decoder(
        [this, loader]
        {
            loader->LoadInBackground();
            m_loadingDone = true;
        });
    LoadingScreen::Run(*this, m_loadingDone);
    decoder.join();
    loader->EndLoading();
}

void Engine::MainLoop(std::optional<long long> maxFrames)
{
    while (!maxFrames || m_framesRun < *maxFrames)
    {
        if (!RunFrame())
            return;
    }
}

void Engine::RunPausedUpdates()
{
    for (const char* name : {"WindowManager", "Messaging", "GraphicsSystem"})
        if (System* system = Named(name))
            system->PreUpdate();
    for (const char* name : {"WindowManager", "Messaging", "GameStateManager"})
        if (System* system = Named(name))
            system->Update();
    if (s_hooks.flow)
        s_hooks.flow->UpdateActionsWhilePaused();
    if (System* sound = Named("SoundSystem"))
        sound->Update();
}

void Engine::RunPausedPostUpdates()
{
    for (const char* name : {"Messaging", "InputSystem", "GraphicsSystem"})
        if (System* system = Named(name))
            system->PostUpdate();
}

bool Engine::IsPaused()
{
    return s_hooks.flow && s_hooks.flow->IsPaused();
}

bool Engine::IsRunning()
{
    return !s_hooks.flow || s_hooks.flow->IsRunning();
}

bool Engine::RunFrame()
{
    m_frameController.StartFrame();
    if (IsPaused())
        RunPausedUpdates();
    else
    {
        for (System* system : m_preList)
            system->PreUpdate();
        for (System* system : m_updateList)
            system->Update();
    }
    ++m_framesRun;
    if (!IsRunning())
        return false;

    // Read again: an update may have paused the game during this frame.
    if (IsPaused())
        RunPausedPostUpdates();
    else
        for (System* system : m_postList)
            system->PostUpdate();
    m_frameController.EndFrame();
    return true;
}
