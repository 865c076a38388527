#include "gameplay/RaceNode.h"

#include "core/TweakBar.h"
#include "gameplay/RaceLineSystem.h"

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

std::unique_ptr<Component> RaceNode::Clone() const
{
    auto copy = std::make_unique<RaceNode>();
    copy->m_id = m_id + 1;
    copy->m_facing = m_facing;
    return copy;
}

void RaceNode::Deserialize(XmlFile& /*file*/, const XmlElement* element)
{
    XmlFile::ReadValue(m_id, element ? element->FirstChildElement() : nullptr);
    const XmlElement* facing = XmlFile::FindChildElement(element, "Vector4", "facing");
    if (!facing)
        return;
    XmlFile::ReadValue(m_facing, facing);
    const XmlElement* jump = facing->NextSiblingElement();
    XmlFile::ReadValue(m_shouldJump, jump);
    XmlFile::ReadValue(m_cpNode, jump ? jump->NextSiblingElement() : nullptr);
}

void RaceNode::Serialize(XmlFile& file, XmlElement* parent, bool /*instanceOnly*/) const
{
    XmlElement* element = file.AddChildElement(parent, GetTypeName());
    file.WriteValue(element, m_id, "ID");
    file.WriteValue(element, m_facing, "facing");
    file.WriteValue(element, m_shouldJump, "Should_Jump");
    file.WriteValue(element, m_cpNode, "CPNode");
}

void RaceNode::AddToTweakBar(TweakBar& bar, bool /*instanceOnly*/)
{
    const std::string group = TweakBar::GroupDefinition(GetTypeName());
    bar.AddVarRW("Node_ID", TweakType::Int, &m_id, group);
    bar.AddVarRW("Node_Facing", TweakType::Vector3, &m_facing, group);
    bar.AddVarRW("Node_Jump", TweakType::Int, &m_shouldJump, group);
    bar.AddVarRW("Node_CP", TweakType::Int, &m_cpNode, group);
}
