#include "states/GameStateManager.h"

#include "states/GameStateId.h"
#include "states/GameStateTable.h"

GameStateManager& GameStateManager::Instance()
{
    static GameStateManager instance;
    return instance;
}

GameStateManager::~GameStateManager()
{
    while (!m_stack.empty())
        m_stack.pop_back();
}

void GameStateManager::RequestSwitch(int id)
{
    // Ignored while no screen is open: a switch replaces the bottom state.
    if (!m_stack.empty())
        m_stack.front()->RequestNextState(id);
}

int GameStateManager::GetGameState() const
{
    return m_stack.empty() ? 0 : m_stack.front()->GetId();
}

bool GameStateManager::IsTop(int id) const
{
    return !m_stack.empty() && m_stack.back()->GetId() == id;
}

GameState* GameStateManager::GetStateBelowTop() const
{
    return m_stack.size() < 2 ? nullptr : m_stack[m_stack.size() - 2].get();
}

void GameStateManager::TellListener() const
{
    if (m_listener)
        m_listener(m_stack.empty() ? 0 : m_stack.back()->GetId());
}

bool GameStateManager::CanCreate(int id) const
{
    return id == GameStateId::kQuit || Create(id) != nullptr;
}

std::unique_ptr<GameState> GameStateManager::Create(int id) const
{
    return m_creator ? m_creator(id) : CreateGameState(id);
}

void GameStateManager::PopTop()
{
    if (m_stack.empty())
        return;
    m_stack.back()->Exit();
    if (m_current == m_stack.back().get())
        m_current = nullptr;
    m_stack.pop_back();
    TellListener();
}

bool GameStateManager::PushNew(int id)
{
    if (id == GameStateId::kQuit)
    {
        m_running = false;
        return false;
    }
    std::unique_ptr<GameState> state = Create(id);
    if (!state)
        return false;
    GameState* raw = state.get();
    m_stack.push_back(std::move(state));
    raw->Enter();
    raw->ClearNextState();
    TellListener();
    return true;
}

void GameStateManager::TakePendingRequest()
{
    const int request = m_pending;
    m_pending = 0;
    if (request == GameStateId::kPop)
        PopTop();
    else if (request != GameStateId::kNone)
        PushNew(request);
}

void GameStateManager::Update()
{
    TakePendingRequest();
    for (size_t i = 0; i < m_stack.size(); ++i)
    {
        const int next = m_stack[i]->GetNextState();
        if (next != 0)
        {
            while (m_stack.size() > i)
                PopTop();
            // The new screen is the top now; it is updated below and ends the walk.
            if (!PushNew(next))
                break;
        }
        m_current = m_stack[i].get();
        m_current->Update();
    }
}
