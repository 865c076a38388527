#include "graphics/Light.h"

#include "core/TweakBar.h"
#include "objects/FieldList.h"

const ComponentFields* Light::Fields() const
{
    static const ComponentFieldList<Light> fields = []
    {
        ComponentFieldList<Light> list(ComponentType::Light);
        list.Add("kind", &Light::m_kind).NotInFiles();
        list.Add("ambient", &Light::m_ambient).Panel("ambient", TweakType::Color4);
        list.Add("diffuse", &Light::m_diffuse).Panel("diffuse", TweakType::Color4);
        list.Add("direction", &Light::m_direction).Panel("direction", TweakType::Vector3);
        list.Add("color", &Light::m_color).Panel("color", TweakType::Color4);
        // These two are written with a capital F in the light's files.
        list.Add("shiness", &Light::m_shininess).Element("Float").Panel("shiness");
        list.Add("range", &Light::m_range).Element("Float").Panel("range");
        list.Add("offset", &Light::m_offset).Panel("offset", TweakType::Vector3);
        return list;
    }();
    return &fields;
}
