#include "gameplay/CheckPoint.h"

#include "core/TweakBar.h"
#include "gameplay/CheckPointSystem.h"

CheckPoint::~CheckPoint()
{
    if (m_registered)
        CheckPointSystem::Instance().RemoveGate(this);
}

void CheckPoint::Initialize()
{
    CheckPointSystem::Instance().AddGate(this);
    m_registered = true;
}

std::unique_ptr<Component> CheckPoint::Clone() const
{
    auto copy = std::make_unique<CheckPoint>();
    copy->m_number = m_number;
    copy->m_facing = m_facing;
    return copy;
}

void CheckPoint::Deserialize(XmlFile& /*file*/, const XmlElement* element)
{
    XmlFile::ReadValue(m_number, element ? element->FirstChildElement() : nullptr);
    if (const XmlElement* facing = XmlFile::FindChildElement(element, "Vector4", "facing"))
        XmlFile::ReadValue(m_facing, facing);
}

void CheckPoint::Serialize(XmlFile& file, XmlElement* parent, bool /*instanceOnly*/) const
{
    XmlElement* element = file.AddChildElement(parent, GetTypeName());
    file.WriteValue(element, m_number, "cpNum");
    file.WriteValue(element, m_facing, "facing");
}

void CheckPoint::AddToTweakBar(TweakBar& bar, bool /*instanceOnly*/)
{
    const std::string group = TweakBar::GroupDefinition(GetTypeName());
    bar.AddVarRW("checkPointNum", TweakType::Int, &m_number, group);
    bar.AddVarRW("cp_Facing", TweakType::Vector3, &m_facing, group);
}
