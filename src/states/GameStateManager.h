#pragma once

#include "core/EmptySystem.h"
#include "states/GameState.h"

#include <functional>
#include <memory>
#include <vector>

/// Decides which screen the game is in: a stack of states updated bottom first each frame, the
/// pending push/pop request, and the game's pause and running flags.
class GameStateManager final : public EmptySystem
{
  public:
    using StateCreator = std::function<std::unique_ptr<GameState>(int id)>;
    using StackListener = std::function<void(int topId)>;

    static GameStateManager& Instance();
    ~GameStateManager() override;

    /// Takes the pending request, then updates every state bottom first, carrying out switches.
    void Update() override;

    /// Pushes state `id` at the next update (id 1 quits).
    void RequestPush(int id) { m_pending = id; }
    /// Pops the top state at the next update.
    void RequestPop() { m_pending = -1; }
    /// Replaces the bottom screen and every overlay by state `id` at the next update.
    void RequestSwitch(int id);
    int GetPendingRequest() const { return m_pending; }

    /// Whether state `id` would create a screen (quit counts as one).
    bool CanCreate(int id) const;
    /// Id of the bottom state, 0 when the stack is empty.
    int GetGameState() const;
    /// Whether the top state's id is `id`.
    bool IsTop(int id) const;
    GameState* GetCurrent() const { return m_current; }
    /// The state under the top one, null when fewer than two are open.
    GameState* GetStateBelowTop() const;
    size_t StackSize() const { return m_stack.size(); }

    bool IsPaused() const { return m_paused; }
    void SetPaused(bool paused) { m_paused = paused; }
    bool IsRunning() const { return m_running; }
    void SetRunning(bool running) { m_running = running; }

    /// Replaces the id-to-screen table (tests use their own states); null restores the game's.
    void SetStateCreator(StateCreator creator) { m_creator = std::move(creator); }

    /// Called after every push and pop with the id of the new top state (0 for an empty stack).
    void SetStackListener(StackListener listener) { m_listener = std::move(listener); }

  private:
    GameStateManager() = default;
    void TellListener() const;
    void TakePendingRequest();
    void PopTop();
    /// Creates state `id`, pushes it and enters it; false when the id creates nothing.
    bool PushNew(int id);
    std::unique_ptr<GameState> Create(int id) const;

    std::vector<std::unique_ptr<GameState>> m_stack;
    StateCreator m_creator;
    StackListener m_listener;
    GameState* m_current = nullptr;
    int m_pending = 3;
    bool m_paused = false;
    bool m_running = true;
};
