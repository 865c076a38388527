#include "check/FieldCheck.h"

#include "check/ComponentSites.h"
#include "check/KnownFields.h"
#include "check/NameSuggestion.h"
#include "check/ProblemReport.h"

#include <cstring>

void FieldCheck::Run(const ContentTree& tree, ProblemReport& report) const
{
    for (const ComponentSite& site : CollectComponentSites(tree))
        if (site.Applies())
            CheckGroup(site, site.element, site.Type(), report);
}

std::string FieldCheck::FieldName(const XmlElement* field)
{
    const char* name = field->Attribute("name");
    return name ? name : field->Name();
}

void FieldCheck::CheckGroup(const ComponentSite& site, const XmlElement* group, const std::string& key,
                            ProblemReport& report) const
{
    const std::optional<std::set<std::string>> known = m_fields.FieldsOf(key);
    if (!known)
        return;
    const std::vector<std::string> names(known->begin(), known->end());
    for (const XmlElement* field = group->FirstChildElement(); field; field = field->NextSiblingElement())
    {
        const std::string name = FieldName(field);
        const int line = field->GetLineNum();
        if (!known->contains(name))
        {
            report.Problem(site.file, line,
                           site.owner + ": " + key + " has no field '" + name + "', so it is ignored" +
                               DidYouMean(name, names));
            continue;
        }
        // Fields are looked up by their first attribute.
        if (field->Attribute("name") && std::strcmp(field->FirstAttribute()->Name(), "name") != 0)
            report.Warning(site.file, line,
                           site.owner + ": field '" + name + "' of " + key +
                               ": put the \"name\" attribute first, or a lookup by name misses the field");
        if (!field->Attribute("name") && field->FirstChildElement())
            CheckGroup(site, field, key + "/" + name, report);
    }
}
