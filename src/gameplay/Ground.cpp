#include "gameplay/Ground.h"

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

std::unique_ptr<Component> Ground::Clone() const
{
    auto copy = std::make_unique<Ground>();
    copy->m_neighbours = m_neighbours;
    return copy;
}

void Ground::Deserialize(XmlFile& /*file*/, const XmlElement* element)
{
    for (const XmlElement* child = element ? element->FirstChildElement() : nullptr; child;
         child = child->NextSiblingElement())
    {
        int id = 0;
        if (child->QueryIntAttribute("value", &id) == tinyxml2::XML_SUCCESS)
            AddNeighbour(id);
    }
}

void Ground::Serialize(XmlFile& file, XmlElement* parent, bool instanceOnly) const
{
    XmlElement* element = file.AddChildElement(parent, GetTypeName());
    if (instanceOnly)
        return;
    for (int id : m_neighbours)
        file.WriteValue(element, id, "neighbor");
}
