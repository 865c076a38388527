#pragma once

/// A screen on the game-state stack: the bottom one is the screen proper, the others overlays.
class GameState
{
  public:
    virtual ~GameState() = default;
    /// Builds the screen and loads its level; sets the id.
    virtual void Enter() = 0;
    /// Once per frame while the state is on the stack.
    virtual void Update() = 0;
    /// Unloads what Enter loaded.
    virtual void Exit() {}
    virtual int GetId() const { return m_id; }

    /// Asks the manager to replace this state (and every overlay above it) by state `id`.
    void RequestNextState(int id) { m_nextState = id; }
    int GetNextState() const { return m_nextState; }
    void ClearNextState() { m_nextState = 0; }

  protected:
    void SetId(int id) { m_id = id; }

  private:
    int m_nextState = 0;
    int m_id = 0;
};
