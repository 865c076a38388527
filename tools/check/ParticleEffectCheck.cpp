#include "check/ParticleEffectCheck.h"

#include "check/ContentTree.h"
#include "check/ProblemReport.h"
#include "core/ResourcePaths.h"
#include "objects/XmlFile.h"
#include "particles/ParticleDecoratorTable.h"
#include "particles/ParticleEmitter.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>

namespace
{
// The element kind each setting of an effect file is written as.
const std::map<std::string, std::string>& SettingKinds()
{
    static const std::map<std::string, std::string> kinds = {
        {"active", "bool"},     {"localVel", "bool"},    {"localPos", "bool"},       {"m_useCulling", "bool"},
        {"localAccel", "bool"}, {"offset", "Vector4"},   {"orientation", "Vector4"}, {"material", "string"},
        {"texture", "string"},  {"maxParticle", "uint"}, {"spawnRate", "float"},     {"spawnNum", "uint"},
    };
    return kinds;
}

bool Contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string ValueOf(const XmlElement* element)
{
    const char* value = element->Attribute("value");
    return value ? value : "";
}
} // namespace

void ParticleEffectCheck::Run(const ContentTree& tree, ProblemReport& report) const
{
    const std::filesystem::path folder = tree.PathOf(ResourcePaths::kParticleEffects);
    std::error_code error;
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".xml")
            files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    for (const std::string& file : files)
        CheckFile(tree, tree.PathOf(std::string(ResourcePaths::kParticleEffects) + file), report);
}

void ParticleEffectCheck::CheckFile(const ContentTree& tree, const std::string& path, ProblemReport& report)
{
    tinyxml2::XMLDocument document;
    if (document.LoadFile(path.c_str()) != tinyxml2::XML_SUCCESS || !document.RootElement())
    {
        report.Problem(path, document.ErrorLineNum(),
                       std::string("is not well-formed XML (") + document.ErrorStr() +
                           "), so the effect does not load; mend the element the error names");
        return;
    }
    bool inBehaviours = false;
    for (const XmlElement* child = document.RootElement()->FirstChildElement(); child;
         child = child->NextSiblingElement())
    {
        // From the first behaviour on, the emitter reads every element as a behaviour.
        inBehaviours = inBehaviours || std::string(child->Name()) == "Decorator";
        if (inBehaviours)
            CheckBehaviour(path, child, report);
        else
            CheckSetting(tree, path, child, report);
    }
}

void ParticleEffectCheck::CheckSetting(const ContentTree& tree, const std::string& path,
                                       const XmlElement* setting, ProblemReport& report)
{
    const int line = setting->GetLineNum();
    const char* nameText = setting->Attribute("name");
    const std::string name = nameText ? nameText : "";
    auto known = SettingKinds().find(name);
    if (known == SettingKinds().end() || known->second != setting->Name())
    {
        report.Problem(
            path, line,
            "the effect has no " + std::string(setting->Name()) + " setting '" + name +
                "'; the emitter ignores it (settings: active, localVel, localPos, m_useCulling, "
                "localAccel, offset, orientation, material, texture, maxParticle, spawnRate, spawnNum)");
        return;
    }
    const std::string value = ValueOf(setting);
    if (name == "maxParticle")
    {
        unsigned count = 1;
        XmlFile::ReadValue(count, setting);
        if (count == 0 || count > ParticleEmitter::kMaxPoolSize)
            report.Problem(path, line,
                           "maxParticle " + value + " is out of range: the pool holds 1 to " +
                               std::to_string(ParticleEmitter::kMaxPoolSize) + " particles");
    }
    if (name == "texture" && !Contains(tree.Textures(), value))
        report.Problem(path, line,
                       "texture '" + value + "' is not in res/textures/; the effect draws untextured");
    if (name == "material" && !Contains(tree.Effects(), value))
        report.Problem(path, line,
                       "material '" + value + "' is not in res/shaders/; the effect draws nothing");
}

void ParticleEffectCheck::CheckBehaviour(const std::string& path, const XmlElement* behaviour,
                                         ProblemReport& report)
{
    const XmlElement* nameElement = XmlFile::FindChildElement(behaviour, "string", "name");
    const std::string name = nameElement ? ValueOf(nameElement) : "";
    if (ParticleDecoratorTable::TypeOf(name) < 0)
        report.Problem(path, behaviour->GetLineNum(),
                       "'" + name + "' is no particle behaviour; the emitter skips it");
}
