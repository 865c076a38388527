#pragma once

#include "core/EngineHooks.h"
#include "core/FrameRateController.h"

#include <atomic>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class System;

/// Runs the systems in the order res/SystemData.xml gives, once per frame, until the game-state
/// manager stops running.
class Engine
{
  public:
    /// Reads res/SystemData.xml and res/TrackList.xml with the fourteen engine systems.
    Engine();
    /// The same with another name-to-system table (tests pass recording systems).
    explicit Engine(std::map<std::string, System*> systems, Clock* clock = nullptr);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    /// The engine of this run, or null before one exists (components read dt through it).
    static Engine* Get() { return s_current; }
    /// The current engine's frame time; 0 when there is no engine.
    static float CurrentDeltaTime() { return s_current ? s_current->GetDeltaTime() : 0.0f; }
    /// What the engine asks of the higher layers; set by the composition root before any Engine.
    static void SetHooks(EngineHooks hooks) { s_hooks = std::move(hooks); }
    /// The hooks every engine uses.
    static const EngineHooks& Hooks() { return s_hooks; }

    /// Start-up: window and graphics first, loading-screen textures, the other systems, the
    /// loading scene while textures load, then the random seed. False, with one line saying so,
    /// when res/SystemData.xml gave no system to run: nothing is started then.
    bool Init();
    /// Whether res/SystemData.xml loaded and named at least one system under any heading.
    bool HasSystemList() const;
    /// Runs frames until the game stops, or until `maxFrames` frames have run.
    void MainLoop(std::optional<long long> maxFrames = std::nullopt);
    /// One frame; false when the game stopped during it (its post-updates were skipped).
    bool RunFrame();
    long long FramesRun() const { return m_framesRun; }

    float GetDeltaTime() const { return m_frameController.GetDeltaTime(); }
    void SetDeltaTime(float dt) { m_frameController.SetDeltaTime(dt); }
    FrameRateController& GetFrameController() { return m_frameController; }
    /// Seed for srand() at the end of Init instead of the calendar time.
    void SetRandomSeed(std::optional<unsigned> seed) { m_seed = seed; }
    /// The seed fixed for this run, if one was; otherwise runs are seeded from the clock.
    std::optional<unsigned> RandomSeed() const { return m_seed; }
    bool IsLoadingDone() const { return m_loadingDone.load(); }

    const std::vector<System*>& InitList() const { return m_initList; }
    const std::vector<System*>& PreList() const { return m_preList; }
    const std::vector<System*>& UpdateList() const { return m_updateList; }
    const std::vector<System*>& PostList() const { return m_postList; }

  private:
    static NameLists ReadNameLists(const char* path, const std::vector<std::string>& headings);
    void ReadSystemData();
    void ReadTrackList();
    System* Named(const std::string& name) const;
    void InitSystems();
    void ShowLoadingScreenWhileTexturesLoad();
    static bool IsPaused();
    static bool IsRunning();
    void RunPausedUpdates();
    void RunPausedPostUpdates();

    static inline Engine* s_current = nullptr;
    static inline EngineHooks s_hooks;

    std::atomic<bool> m_loadingDone{false};
    FrameRateController m_frameController;
    std::map<std::string, System*> m_systems;
    std::vector<System*> m_initList;
    std::vector<System*> m_preList;
    std::vector<System*> m_updateList;
    std::vector<System*> m_postList;
    std::optional<unsigned> m_seed;
    long long m_framesRun = 0;
};
