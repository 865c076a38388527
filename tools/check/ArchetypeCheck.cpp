#include "check/ArchetypeCheck.h"

#include "check/ComponentSites.h"
#include "check/ContentTree.h"
#include "check/NameSuggestion.h"
#include "check/ProblemReport.h"

#include <map>

namespace
{
std::string Missing(const ContentTree& tree, const std::string& name)
{
    return "archetype '" + name + "' does not exist" + DidYouMean(name, tree.ArchetypeNames()) +
           " (an archetype is named by the first attribute of its file's root, case and all)";
}
} // namespace

void ArchetypeCheck::Run(const ContentTree& tree, ProblemReport& report) const
{
    CheckNames(tree, report);
    for (const SceneFile& scene : tree.Scenes())
        CheckScene(tree, scene, report);
    CheckSpawnLists(tree, report);
}

void ArchetypeCheck::CheckNames(const ContentTree& tree, ProblemReport& report)
{
    std::map<std::string, const ArchetypeFile*> first;
    for (const ArchetypeFile& file : tree.ArchetypeFiles())
    {
        const XmlElement* root = file.source.xml->GetRoot();
        if (!root)
            continue;
        if (!root->FirstAttribute())
            report.Problem(file.source.path, root->GetLineNum(),
                           "the root element has no attribute, so the archetype is called 'None'; name it "
                           "with an attribute such as name=\"...\"");
        auto [earlier, isFirst] = first.emplace(file.name, &file);
        if (!isFirst)
            report.Problem(file.source.path, root->GetLineNum(),
                           "archetype '" + file.name + "' is also defined in " +
                               earlier->second->source.path +
                               "; which one the game keeps depends on the order the folder is listed in, so "
                               "rename one of them");
    }
}

void ArchetypeCheck::CheckScene(const ContentTree& tree, const SceneFile& scene, ProblemReport& report)
{
    // One line per missing name, at its first object: a generated scene can hold hundreds.
    std::map<std::string, std::pair<const SceneEntry*, int>> missing;
    std::vector<std::string> order;
    for (const SceneEntry& entry : scene.entries)
    {
        if (tree.FindArchetype(entry.archetype))
            continue;
        auto [slot, isNew] = missing.try_emplace(entry.archetype, &entry, 0);
        slot->second.second += 1;
        if (isNew)
            order.push_back(entry.archetype);
    }
    for (const std::string& name : order)
    {
        const auto& [entry, count] = missing[name];
        const std::string more = count > 1 ? " (and " + std::to_string(count - 1) + " more objects)" : "";
        report.Problem(scene.source.path, entry->Line(),
                       entry->Describe() + more + " is left out of the scene: " + Missing(tree, name));
    }
}

void ArchetypeCheck::CheckSpawnLists(const ContentTree& tree, ProblemReport& report)
{
    for (const ComponentSite& site : CollectComponentSites(tree))
    {
        if (site.Type() != "Spawner" || !site.Applies())
            continue;
        const XmlElement* list = XmlFile::FindChildElement(site.element, "SpawnList");
        for (const XmlElement* e = list ? list->FirstChildElement() : nullptr; e; e = e->NextSiblingElement())
        {
            const char* name = e->Attribute("value");
            if (name && !tree.FindArchetype(name))
                report.Problem(site.file, e->GetLineNum(),
                               site.owner + ": its Spawner can never spawn '" + name +
                                   "': " + Missing(tree, name));
        }
    }
}
