#pragma once

#include "check/ContentTree.h"

#include <string>
#include <vector>

/// One component element of an archetype or of a scene object's overrides.
struct ComponentSite
{
    std::string file;                         ///< the file that holds the element
    std::string owner;                        ///< "archetype 'Gate'" or "object 12 (Gate)"
    const XmlElement* element = nullptr;      ///< the component element ("Transform")
    const ArchetypeFile* archetype = nullptr; ///< the archetype, or the one the scene object clones
    const SceneEntry* entry = nullptr;        ///< the scene object; null in an archetype

    /// The component's type name: the element's name.
    std::string Type() const { return element->Name(); }
    /// Whether the game reads this element: a component type it knows that the object has (a
    /// scene only changes components its archetype has).
    bool Applies() const;
};

/// Every component element of the archetypes that load, then of the scenes' objects whose
/// archetype exists, in file order.
std::vector<ComponentSite> CollectComponentSites(const ContentTree& tree);
