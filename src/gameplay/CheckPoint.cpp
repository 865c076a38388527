#include "gameplay/CheckPoint.h"

#include "core/TweakBar.h"
#include "gameplay/CheckPointSystem.h"
#include "objects/FieldList.h"

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

const ComponentFields* CheckPoint::Fields() const
{
    static const ComponentFieldList<CheckPoint> fields = []
    {
        ComponentFieldList<CheckPoint> list(ComponentType::CheckPoint);
        list.Add("cpNum", &CheckPoint::m_number).ByPosition().Panel("checkPointNum");
        list.Add("facing", &CheckPoint::m_facing).Panel("cp_Facing", TweakType::Vector3);
        return list;
    }();
    return &fields;
}
