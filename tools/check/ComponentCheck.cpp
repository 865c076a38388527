#include "check/ComponentCheck.h"

#include "check/ComponentSites.h"
#include "check/ContentTree.h"
#include "check/NameSuggestion.h"
#include "check/ProblemReport.h"
#include "objects/ComponentType.h"

#include <set>

namespace
{
std::vector<std::string> ComponentNames()
{
    std::vector<std::string> names;
    for (int type = 0; type < kComponentTypeCount; ++type)
        names.emplace_back(ComponentTypeName(static_cast<ComponentType>(type)));
    return names;
}
} // namespace

void ComponentCheck::Run(const ContentTree& tree, ProblemReport& report) const
{
    CheckArchetypeHeadings(tree, report);
    for (const ComponentSite& site : CollectComponentSites(tree))
        CheckSite(site, report);
    CheckRepeats(tree, report);
}

void ComponentCheck::CheckArchetypeHeadings(const ContentTree& tree, ProblemReport& report)
{
    for (const ArchetypeFile& file : tree.ArchetypeFiles())
        if (file.source.xml->GetRoot() && !file.components)
            report.Warning(file.source.path, file.source.xml->GetRoot()->GetLineNum(),
                           "archetype '" + file.name +
                               "' has no \"Components\" element, so its objects have no components");
}

void ComponentCheck::CheckSite(const ComponentSite& site, ProblemReport& report)
{
    const std::string type = site.Type();
    const int line = site.element->GetLineNum();
    if (ComponentTypeFromName(type) == ComponentType::Invalid)
    {
        report.Problem(site.file, line,
                       site.owner + ": '" + type + "' is not a component type, so the game skips it" +
                           DidYouMean(type, ComponentNames()));
        return;
    }
    if (site.entry && !site.Applies())
        report.Problem(site.file, line,
                       site.owner + ": its archetype has no " + type +
                           ", and a scene only changes the components an archetype has, so these fields are "
                           "skipped; add the component to " +
                           site.archetype->source.path);
}

void ComponentCheck::CheckRepeats(const ContentTree& tree, ProblemReport& report)
{
    for (const ArchetypeFile& file : tree.ArchetypeFiles())
    {
        std::set<std::string> seen;
        for (const XmlElement* e = file.components ? file.components->FirstChildElement() : nullptr; e;
             e = e->NextSiblingElement())
            if (!seen.insert(e->Name()).second && ComponentTypeFromName(e->Name()) != ComponentType::Invalid)
                report.Warning(file.source.path, e->GetLineNum(),
                               "archetype '" + file.name + "' has a second " + e->Name() +
                                   ", which replaces the first");
    }
}
