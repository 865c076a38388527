#include "objects/ComponentType.h"

namespace
{
constexpr const char* kNames[kComponentTypeCount + 1] = {
    "Transform",
    "MeshRenderer",
    "RigidBody",
    "Collider",
    "Camera",
    "Property",
    "TextComponent",
    "Ground",
    "Light",
    "Script",
    "ParticleComponent",
    "Spawner",
    "LifeComponent",
    "DecoratorComp",
    "CheckPoint",
    "Spin",
    "Hud",
    "Label",
    "Controller",
    "RaceNode",
    "Invalid_Component",
};
} // namespace

const char* ComponentTypeName(ComponentType type)
{
    const int index = static_cast<int>(type);
    if (index < 0 || index > kComponentTypeCount)
        return kNames[kComponentTypeCount];
    return kNames[index];
}

ComponentType ComponentTypeFromName(const std::string& name)
{
    for (int i = 0; i < kComponentTypeCount; ++i)
        if (name == kNames[i])
            return static_cast<ComponentType>(i);
    return ComponentType::Invalid;
}
