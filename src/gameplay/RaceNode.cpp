#include "gameplay/RaceNode.h"

#include "core/TweakBar.h"
#include "gameplay/RaceLineSystem.h"
#include "objects/FieldList.h"

RaceNode::~RaceNode()
{
    if (m_registered)
        RaceLineSystem::Instance().RemoveNode(this);
}

void RaceNode::Initialize()
{
    RaceLineSystem::Instance().AddNode(this);
    m_registered = true;
}

const ComponentFields* RaceNode::Fields() const
{
    static const ComponentFieldList<RaceNode> fields = []
    {
        ComponentFieldList<RaceNode> list(ComponentType::RaceNode);
        list.Add("ID", &RaceNode::m_id)
            .ByPosition()
            .Panel("Node_ID")
            .CloneWith([](const RaceNode& from, RaceNode& to) { to.m_id = from.m_id + 1; });
        list.Add("facing", &RaceNode::m_facing).Panel("Node_Facing", TweakType::Vector3);
        list.Add("Should_Jump", &RaceNode::m_shouldJump).AfterPrevious().Panel("Node_Jump").NotCloned();
        list.Add("CPNode", &RaceNode::m_cpNode).AfterPrevious().Panel("Node_CP").NotCloned();
        return list;
    }();
    return &fields;
}
