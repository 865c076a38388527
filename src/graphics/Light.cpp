#include "graphics/Light.h"

#include "core/TweakBar.h"

std::unique_ptr<Component> Light::Clone() const
{
    auto copy = std::make_unique<Light>();
    copy->m_kind = m_kind;
    copy->m_shininess = m_shininess;
    copy->m_ambient = m_ambient;
    copy->m_diffuse = m_diffuse;
    copy->m_direction = m_direction;
    copy->m_range = m_range;
    copy->m_color = m_color;
    copy->m_offset = m_offset;
    return copy;
}

void Light::Deserialize(XmlFile& /*file*/, const XmlElement* element)
{
    const std::pair<const char*, Vector4*> vectors[] = {
        {"ambient", &m_ambient}, {"diffuse", &m_diffuse}, {"direction", &m_direction},
        {"color", &m_color},     {"offset", &m_offset}};
    for (const auto& [name, field] : vectors)
        if (const XmlElement* e = XmlFile::FindChildElement(element, "Vector4", name))
            XmlFile::ReadValue(*field, e);
    // These two are written with a capital F in the light's files.
    XmlFile::ReadValue(m_shininess, XmlFile::FindChildElement(element, "Float", "shiness"));
    XmlFile::ReadValue(m_range, XmlFile::FindChildElement(element, "Float", "range"));
}

void Light::Serialize(XmlFile& file, XmlElement* parent, bool /*instanceOnly*/) const
{
    XmlElement* element = file.AddChildElement(parent, GetTypeName());
    file.WriteValue(element, m_ambient, "ambient");
    file.WriteValue(element, m_diffuse, "diffuse");
    file.WriteValue(element, m_direction, "direction");
    file.WriteValue(element, m_color, "color");
    for (const auto& [name, value] : {std::pair{"shiness", m_shininess}, std::pair{"range", m_range}})
    {
        XmlElement* field = file.AddChildElement(element, "Float");
        field->SetAttribute("name", name);
        field->SetAttribute("value", XmlFile::FormatFloat(value).c_str());
    }
    file.WriteValue(element, m_offset, "offset");
}

void Light::AddToTweakBar(TweakBar& bar, bool /*instanceOnly*/)
{
    const std::string group = "group='Light'";
    bar.AddVarRW("ambient", TweakType::Color4, &m_ambient, group);
    bar.AddVarRW("diffuse", TweakType::Color4, &m_diffuse, group);
    bar.AddVarRW("direction", TweakType::Vector3, &m_direction, group);
    bar.AddVarRW("color", TweakType::Color4, &m_color, group);
    bar.AddVarRW("shiness", TweakType::Float, &m_shininess, group);
    bar.AddVarRW("range", TweakType::Float, &m_range, group);
    bar.AddVarRW("offset", TweakType::Vector3, &m_offset, group);
}
