#pragma once

#include "objects/FieldInfo.h"

#include <string>
#include <vector>

/// The fields of one kind of data (a component, a decorator, a nested part) as text: what tools
/// and the modding reference enumerate, whatever class holds the fields.
class FieldDescription
{
  public:
    virtual ~FieldDescription() = default;

    /// The element the fields are written into ("Transform", "Mover", "DT_Scale" ...).
    virtual const std::string& ElementName() const = 0;
    /// The debug panel group; empty when the owner's group is used.
    virtual const std::string& Group() const = 0;
    /// Every field in file order (panel-only entries after the value they follow), with the
    /// default value of a new instance.
    virtual std::vector<FieldInfo> Describe() const = 0;
};
