#include "gameplay/RaceLineSystem.h"

#include "core/SwapRemove.h"
#include "gameplay/Controller.h"
#include "gameplay/RaceNode.h"
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "objects/Transform.h"
#include "physics/Collider.h"

#include <algorithm>

namespace
{
bool Touching(const RaceNode& node, const GameObject& racer)
{
    const GameObject* owner = node.GetOwner();
    const auto* nodeCollider = owner ? owner->Get<Collider>(ComponentType::Collider) : nullptr;
    const auto* racerCollider = racer.Get<Collider>(ComponentType::Collider);
    return nodeCollider && racerCollider && nodeCollider->HasTouched(racerCollider);
}
} // namespace

RaceLineSystem& RaceLineSystem::Instance()
{
    static RaceLineSystem instance;
    return instance;
}

void RaceLineSystem::AddNode(RaceNode* node)
{
    m_nodes.push_back(node);
    std::stable_sort(m_nodes.begin(), m_nodes.end(),
                     [](const RaceNode* a, const RaceNode* b) { return a->GetId() < b->GetId(); });
    Initialize();
}

void RaceLineSystem::RemoveNode(RaceNode* node)
{
    SwapRemove(m_nodes, node);
    std::stable_sort(m_nodes.begin(), m_nodes.end(),
                     [](const RaceNode* a, const RaceNode* b) { return a->GetId() < b->GetId(); });
}

Vector4 RaceLineSystem::FirstNodePosition() const
{
    return m_nodes.empty() ? Vector4{} : Transform::PositionOf(m_nodes.front()->GetOwner());
}

void RaceLineSystem::Initialize()
{
    m_racerIds.clear();
    for (Component* component : Logic::Instance().Controllers())
    {
        auto* controller = static_cast<Controller*>(component);
        if (!controller->GetOwner())
            continue;
        m_racerIds.push_back(controller->GetOwner()->GetID());
        controller->SetTargetPosition(FirstNodePosition());
    }
}

std::vector<GameObject*> RaceLineSystem::ComputerRacers() const
{
    std::vector<GameObject*> racers;
    for (unsigned id : m_racerIds)
        if (GameObject* racer = Factory::Instance().FindObject(id))
            if (auto* controller = racer->Get<Controller>(ComponentType::Controller);
                controller && controller->IsComputer())
                racers.push_back(racer);
    return racers;
}

void RaceLineSystem::Follow(GameObject& racer, size_t nodeIndex) const
{
    auto* controller = racer.Get<Controller>(ComponentType::Controller);
    if (m_nodes[nodeIndex]->ShouldJump())
        controller->Jump();
    const size_t next = (nodeIndex + 1) % m_nodes.size();
    controller->SetTargetPosition(Transform::PositionOf(m_nodes[next]->GetOwner()));
}

void RaceLineSystem::Update()
{
    if (m_nodes.empty())
        return;
    for (GameObject* racer : ComputerRacers())
    {
        for (size_t i = 0; i < m_nodes.size(); ++i)
            if (Touching(*m_nodes[i], *racer))
            {
                Follow(*racer, i);
                break;
            }
        for (size_t i = 0; i < m_nodes.size(); ++i)
            if (m_nodes[i]->IsCheckpointNode() && Touching(*m_nodes[i], *racer))
                Follow(*racer, i);
    }
}
