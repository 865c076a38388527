#pragma once

#include <string>

/// The number that identifies a component class; its name is the class name, the XML element
/// name and the creator name.
enum class ComponentType : int
{
    Transform = 0,
    MeshRenderer = 1,
    RigidBody = 2,
    Collider = 3,
    Camera = 4,
    Property = 5,
    TextComponent = 6,
    Ground = 7,
    Light = 8,
    Script = 9,
    ParticleComponent = 10,
    Spawner = 11,
    LifeComponent = 12,
    DecoratorComp = 13,
    CheckPoint = 14,
    Spin = 15,
    Hud = 16,
    Label = 17,
    Controller = 18,
    RaceNode = 19,
    Invalid = 20,
};

/// Number of real component types (0 to 19).
inline constexpr int kComponentTypeCount = 20;

/// "Transform" ... "RaceNode"; "Invalid_Component" for 20 and anything out of range.
const char* ComponentTypeName(ComponentType type);
/// The type with that exact name, or ComponentType::Invalid.
ComponentType ComponentTypeFromName(const std::string& name);
