#include "gameplay/Label.h"

#include "core/TweakBar.h"
#include "graphics/GraphicsSystem.h"

bool Label::Update()
{
    // The quad sits at the offset, in window fractions, a tenth of the window in size.
    GraphicsSystem::Instance().DrawHud(0.5f + m_offset.x, 0.5f + m_offset.y, 0.1f, 0.1f, kTexture, {}, false, false);
    return true;
}

std::unique_ptr<Component> Label::Clone() const
{
    auto copy = std::make_unique<Label>();
    copy->m_name = m_name;
    copy->m_offset = m_offset;
    return copy;
}

void Label::Deserialize(XmlFile& /*file*/, const XmlElement* element)
{
    XmlFile::ReadValue(m_name, XmlFile::FindChildElement(element, "string", "name"));
    if (const XmlElement* offset = XmlFile::FindChildElement(element, "Vector4", "offset"))
        XmlFile::ReadValue(m_offset, offset);
}

void Label::Serialize(XmlFile& file, XmlElement* parent, bool /*instanceOnly*/) const
{
    XmlElement* element = file.AddChildElement(parent, GetTypeName());
    file.WriteValue(element, m_name, "name");
    file.WriteValue(element, m_offset, "offset");
}

void Label::AddToTweakBar(TweakBar& bar, bool /*instanceOnly*/)
{
    bar.AddVarRW("offset", TweakType::Vector3, &m_offset, TweakBar::GroupDefinition(GetTypeName()));
}
