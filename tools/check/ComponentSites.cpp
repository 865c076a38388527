#include "check/ComponentSites.h"

#include "objects/ComponentType.h"

namespace
{
void AddChildren(std::vector<ComponentSite>& sites, const ComponentSite& base, const XmlElement* parent)
{
    for (const XmlElement* e = parent ? parent->FirstChildElement() : nullptr; e; e = e->NextSiblingElement())
    {
        ComponentSite site = base;
        site.element = e;
        sites.push_back(site);
    }
}
} // namespace

bool ComponentSite::Applies() const
{
    if (ComponentTypeFromName(Type()) == ComponentType::Invalid)
        return false;
    return !entry || archetype->Component(Type()) != nullptr;
}

std::vector<ComponentSite> CollectComponentSites(const ContentTree& tree)
{
    std::vector<ComponentSite> sites;
    for (const ArchetypeFile& archetype : tree.ArchetypeFiles())
        if (archetype.source.xml->IsLoaded())
            AddChildren(
                sites,
                {archetype.source.path, "archetype '" + archetype.name + "'", nullptr, &archetype, nullptr},
                archetype.components);
    for (const SceneFile& scene : tree.Scenes())
        for (const SceneEntry& entry : scene.entries)
            if (const ArchetypeFile* archetype = tree.FindArchetype(entry.archetype))
                AddChildren(sites, {scene.source.path, entry.Describe(), nullptr, archetype, &entry},
                            entry.overrides);
    return sites;
}
