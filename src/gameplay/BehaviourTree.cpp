#include "gameplay/BehaviourTree.h"

BStatus BNode::Tick()
{
    if (m_status != BStatus::Running)
        OnInitialize();
    m_status = Update();
    if (m_status != BStatus::Running)
        OnTerminate();
    return m_status;
}

BNode* CompositeNode::AddChild(std::unique_ptr<BNode> child)
{
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

void CompositeNode::OnInitialize()
{
    m_status = BStatus::Running;
    m_current = 0;
}

BStatus Sequence::Update()
{
    if (m_children.empty())
        return BStatus::Success;
    const BStatus status = m_children[m_current]->Tick();
    if (status != BStatus::Success)
        return status;
    ++m_current;
    return m_current < m_children.size() ? BStatus::Running : BStatus::Success;
}

BStatus Selector::Update()
{
    if (m_children.empty())
        return BStatus::Failure;
    const BStatus status = m_children[m_current]->Tick();
    if (status != BStatus::Failure)
        return status;
    ++m_current;
    return m_current < m_children.size() ? BStatus::Running : BStatus::Failure;
}

BStatus Inverter::Update()
{
    if (!m_child)
        return BStatus::Failure;
    switch (m_child->Tick())
    {
    case BStatus::Success:
        return BStatus::Failure;
    case BStatus::Failure:
        return BStatus::Success;
    default:
        return BStatus::Running;
    }
}

BStatus RepeatCounter::Update()
{
    if (!m_child)
        return BStatus::Success;
    if (m_child->Tick() == BStatus::Running)
        return BStatus::Running;
    if (m_remaining == 0)
    {
        m_remaining = m_limit;
        return BStatus::Success;
    }
    --m_remaining;
    return BStatus::Running;
}
