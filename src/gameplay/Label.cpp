#include "gameplay/Label.h"

#include "core/TweakBar.h"
#include "graphics/GraphicsSystem.h"
#include "objects/FieldList.h"

bool Label::Update()
{
    // The quad sits at the offset, in window fractions, a tenth of the window in size.
    GraphicsSystem::Instance().DrawHud(0.5f + m_offset.x, 0.5f + m_offset.y, 0.1f, 0.1f, kTexture, {}, false,
                                       false);
    return true;
}

const ComponentFields* Label::Fields() const
{
    static const ComponentFieldList<Label> fields = []
    {
        ComponentFieldList<Label> list(ComponentType::Label);
        list.Add("name", &Label::m_name);
        list.Add("offset", &Label::m_offset).Panel("offset", TweakType::Vector3);
        return list;
    }();
    return &fields;
}
