#include "objects/ComponentDescriptions.h"

#include "objects/Factory.h"

std::map<ComponentType, const ComponentFields*> ComponentDescriptions::All()
{
    std::map<ComponentType, const ComponentFields*> descriptions;
    for (int number = 0; number < kComponentTypeCount; ++number)
    {
        const auto type = static_cast<ComponentType>(number);
        // Descriptions are statics of their classes; the component is only asked, then dropped.
        const std::unique_ptr<Component> component =
            Factory::Instance().CreateComponent(ComponentTypeName(type));
        if (const ComponentFields* fields = component ? component->Fields() : nullptr)
            descriptions[type] = fields;
    }
    return descriptions;
}
