#include "gameplay/Ground.h"

#include "objects/FieldList.h"
#include "objects/Logic.h"

#include <algorithm>

Ground::~Ground()
{
    if (m_registered)
        Logic::Instance().UnregisterGround(this);
}

void Ground::AddNeighbour(int id)
{
    if (std::find(m_neighbours.begin(), m_neighbours.end(), id) == m_neighbours.end())
        m_neighbours.push_back(id);
}

void Ground::Initialize()
{
    Logic::Instance().RegisterGround(this);
    m_registered = true;
}

const ComponentFields* Ground::Fields() const
{
    static const ComponentFieldList<Ground> fields = []
    {
        ComponentFieldList<Ground> list(ComponentType::Ground);
        list.AddList<int>("neighbor", &Ground::Neighbours, &Ground::AddNeighbour)
            .Written(FieldScope::ArchetypeOnly);
        return list;
    }();
    return &fields;
}
