#pragma once

#include <string>
#include <vector>

class FieldDescription;

/// Where a field's value is found among the children of its owner's element.
enum class FieldRead
{
    ByName,        ///< the child of the field's element kind whose first attribute is the field's name
    ByPosition,    ///< the next child in document order, whatever its name
    AfterPrevious, ///< the sibling right after the element the field before it was read from
    EveryChild,    ///< a list: every child of the owner's element is an item
    ChildrenOf,    ///< a list: every child of one container element is an item
    Nested,        ///< a part with fields of its own, in a child element named after the part
    Custom,        ///< the owner's whole element, read by a hook of the field
    Never,         ///< not read back (written only, or not in files at all)
};

/// Whether a field is written or shown, given the `instanceOnly` flag of the call.
enum class FieldScope
{
    Always,
    InstanceOnly,  ///< only for a placed object (`instanceOnly` true)
    ArchetypeOnly, ///< only for an archetype (`instanceOnly` false)
    Never,
};

/// True when a field of `scope` takes part in a call with this `instanceOnly` flag.
inline bool InScope(FieldScope scope, bool instanceOnly)
{
    return scope == FieldScope::Always || (scope == FieldScope::InstanceOnly && instanceOnly) ||
           (scope == FieldScope::ArchetypeOnly && !instanceOnly);
}

/// One described field as text, for tools and the modding reference.
struct FieldInfo
{
    std::string name;        ///< the "name" attribute in files (or the item name of a list)
    std::string element;     ///< the element that holds it ("float", "Vector4", "Mover" ...)
    std::string typeName;    ///< the value's type ("float", "Quaternion", "ObjectTag name" ...)
    std::string defaultText; ///< the value of a new instance, as text
    std::string label;       ///< the debug panel's label; empty when not on the panel
    std::string container;   ///< the element that holds a list's items (`FieldRead::ChildrenOf`)
    FieldRead read = FieldRead::ByName;
    FieldScope written = FieldScope::Always;
    FieldScope shown = FieldScope::Always;
    bool readOnlyOnInstance = false;             ///< shown but not editable for a placed object
    bool cloned = true;                          ///< Clone copies it (as it is, or through `clonedByHook`)
    bool clonedByHook = false;                   ///< Clone derives the copy's value instead of copying it
    bool panelOnly = false;                      ///< a button or separator, not a value
    std::vector<const FieldDescription*> nested; ///< the descriptions of a nested part
};
