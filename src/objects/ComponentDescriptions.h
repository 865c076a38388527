#pragma once

#include "objects/Component.h"

#include <map>

/// The registry of every component type's field description, for tools that list them (the
/// modding reference): names in files, types, defaults as text, panel labels and nested parts.
class ComponentDescriptions
{
  public:
    /// The description of each component type the Factory has a creator for, by type; a type
    /// without a creator (or without fields of its own) is left out. Each description is asked of
    /// a new component of its type, so it lists whatever the class describes.
    static std::map<ComponentType, const ComponentFields*> All();
};
