#include "core/Engine.h"

#include "core/EngineGlobals.h"
#include "core/LoadingScreen.h"
#include "core/ResourcePaths.h"
#include "core/SystemTable.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "input/ActionList.h"
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "objects/XmlFile.h"
#include "states/GameStateManager.h"

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

System* Engine::Named(const char* name) const
{
    auto found = m_systems.find(name);
    return found == m_systems.end() ? nullptr : found->second;
}

void Engine::ReadSystemData()
{
    XmlFile file(ResourcePaths::kSystemData);
    m_systemDataLoaded = file.IsLoaded();
    const std::pair<const char*, std::vector<System*>*> headings[] = {{"UM_Init", &m_initList},
                                                                      {"UM_Pre", &m_preList},
                                                                      {"UM_Update", &m_updateList},
                                                                      {"UM_Post", &m_postList}};
    for (const auto& [heading, list] : headings)
    {
        const XmlElement* section = XmlFile::FindChildElement(file.GetRoot(), heading);
        for (const XmlElement* entry = section ? section->FirstChildElement() : nullptr; entry;
             entry = entry->NextSiblingElement())
        {
            // Unknown names are skipped without a message.
            if (System* system = Named(XmlFile::FirstAttributeValue(entry).c_str()))
                list->push_back(system);
        }
    }
}

void Engine::ReadTrackList()
{
    realTrackNames.clear();
    displayTrackNames.clear();
    XmlFile file(ResourcePaths::kTrackList);
    const XmlElement* real = XmlFile::FindChildElement(file.GetRoot(), "RealTrackNames");
    int index = 0;
    for (const XmlElement* e = real ? real->FirstChildElement() : nullptr; e; e = e->NextSiblingElement())
        realTrackNames[index++] = XmlFile::FirstAttributeValue(e);
    const XmlElement* shown = XmlFile::FindChildElement(file.GetRoot(), "DisplayTrackNames");
    for (const XmlElement* e = shown ? shown->FirstChildElement() : nullptr; e; e = e->NextSiblingElement())
        displayTrackNames.push_back(XmlFile::FirstAttributeValue(e));
}

void Engine::InitSystems()
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    if (m_initList.size() < 2 || m_initList[0] != Named("WindowManager") ||
        m_initList[1] != Named("GraphicsSystem"))
        std::printf("SystemData: \"UM_Init\" should list WindowManager and GraphicsSystem first\n");

    // The window and the device come first: the loading scene's textures need them.
    for (size_t i = 0; i < m_initList.size() && i < 2; ++i)
        m_initList[i]->Init();
    graphics.LoadTextureNames();
    for (const char* texture : {"default.png", "water_icon.png", "fire.png"})
        graphics.LoadTexture(texture);
    for (size_t i = 2; i < m_initList.size(); ++i)
        m_initList[i]->Init();
}

bool Engine::HasSystemList() const
{
    return m_systemDataLoaded &&
           !(m_initList.empty() && m_preList.empty() && m_updateList.empty() && m_postList.empty());
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

    Factory::Instance().LoadScene("loading", "");
    GameObject* cameraObject = Logic::Instance().GetObjectByTag(ObjectTag::CameraObj);
    Component* camera = cameraObject ? cameraObject->GetComponent(ComponentType::Camera) : nullptr;
    GraphicsSystem::Instance().SetActiveCamera(static_cast<Camera*>(camera));

    ShowLoadingScreenWhileTexturesLoad();
    Factory::Instance().DestroyList(0);

    std::srand(m_seed ? *m_seed : static_cast<unsigned>(std::time(nullptr)));
    return true;
}

void Engine::ShowLoadingScreenWhileTexturesLoad()
{
    // GL contexts belong to one thread, so the roles of the two threads are swapped: workers
    // decode the texture files while this thread keeps drawing "Loading..." frames and uploads
    // each texture as soon as it is decoded.
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    graphics.QueueAllTextures();
    std::thread decoder(
        [this, &graphics]
        {
            graphics.DecodeAllTextures();
            m_loadingDone = true;
        });
    LoadingScreen::Run(*this, m_loadingDone);
    decoder.join();
    graphics.UploadDecodedTextures();
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
    ActionList::Instance().UpdateActions();
    if (System* sound = Named("SoundSystem"))
        sound->Update();
}

void Engine::RunPausedPostUpdates()
{
    for (const char* name : {"Messaging", "InputSystem", "GraphicsSystem"})
        if (System* system = Named(name))
            system->PostUpdate();
}

bool Engine::RunFrame()
{
    GameStateManager& states = GameStateManager::Instance();
    m_frameController.StartFrame();
    if (states.IsPaused())
        RunPausedUpdates();
    else
    {
        for (System* system : m_preList)
            system->PreUpdate();
        for (System* system : m_updateList)
            system->Update();
    }
    ++m_framesRun;
    if (!states.IsRunning())
        return false;

    // Read again: an update may have paused the game during this frame.
    if (states.IsPaused())
        RunPausedPostUpdates();
    else
        for (System* system : m_postList)
            system->PostUpdate();
    m_frameController.EndFrame();
    return true;
}
