#include "check/FileReferenceCheck.h"

#include "check/ComponentSites.h"
#include "check/NameSuggestion.h"
#include "check/ProblemReport.h"
#include "core/ResourcePaths.h"

#include <algorithm>

namespace
{
// How a mesh renderer field resolves and what the game does when it does not.
struct RendererField
{
    const char* field;
    const std::vector<std::string>& (ContentTree::*names)() const;
    const char* folder;
    const char* what;
    const char* consequence;
};

// A renderer without a mesh carries this name: nothing to draw, nothing missing.
constexpr const char* kNoMesh = "default";

bool Contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}
} // namespace

void FileReferenceCheck::Run(const ContentTree& tree, ProblemReport& report) const
{
    for (const ComponentSite& site : CollectComponentSites(tree))
    {
        if (!site.Applies())
            continue;
        if (site.Type() == "MeshRenderer")
            CheckRenderer(tree, site, report);
        else if (site.Type() == "Script")
            CheckScripts(tree, site, report);
    }
}

void FileReferenceCheck::CheckRenderer(const ContentTree& tree, const ComponentSite& site,
                                       ProblemReport& report)
{
    static const RendererField kFields[] = {
        {"meshName", &ContentTree::Meshes, ResourcePaths::kModels, "mesh", "the object is not drawn"},
        {"shaderName", &ContentTree::Effects, ResourcePaths::kShaders, "effect", "the object is not drawn"},
        {"textureName", &ContentTree::Textures, ResourcePaths::kTextures, "texture",
         "the default texture stands in"},
        {"normalTextureName", &ContentTree::Textures, ResourcePaths::kTextures, "texture",
         "the default texture stands in"},
        {"specTextureName", &ContentTree::Textures, ResourcePaths::kTextures, "texture",
         "the default texture stands in"},
    };
    for (const RendererField& field : kFields)
    {
        // Found the way the renderer finds it, so a misspelt field name is the field check's.
        const XmlElement* element = XmlFile::FindChildElement(site.element, "string", field.field);
        const char* value = element ? element->Attribute("value") : nullptr;
        if (!value || (field.names == &ContentTree::Meshes && std::string(value) == kNoMesh))
            continue;
        const std::vector<std::string>& names = (tree.*field.names)();
        if (!Contains(names, value))
            report.Problem(site.file, element->GetLineNum(),
                           site.owner + ": " + field.what + " '" + value + "' is not in " +
                               tree.PathOf(field.folder) + ", so " + field.consequence +
                               DidYouMean(value, names));
    }
}

void FileReferenceCheck::CheckScripts(const ContentTree& tree, const ComponentSite& site,
                                      ProblemReport& report)
{
    for (const XmlElement* e = site.element->FirstChildElement(); e; e = e->NextSiblingElement())
    {
        const char* value = e->Attribute("value");
        if (!value || tree.HasScript(value))
            continue;
        const std::string name = value;
        const std::string hint = tree.HasScript(name + ".lua")
                                     ? "; did you mean '" + name + ".lua'? (give the extension)"
                                     : DidYouMean(name, tree.Scripts());
        report.Problem(site.file, e->GetLineNum(),
                       site.owner + ": script '" + name + "' is not in " +
                           tree.PathOf(ResourcePaths::kScripts) + ", so it never runs" + hint);
    }
}
