#include "script/Script.h"

#include "core/TweakBar.h"
#include "objects/Logic.h"
#include "script/ScriptHost.h"

#include <algorithm>

namespace
{
ScriptHost& Host()
{
    return Logic::Instance().GetScriptHost();
}
} // namespace

Script::~Script()
{
    DetachAll();
    if (m_registered)
        Logic::Instance().UnregisterScript(this);
}

void Script::Initialize()
{
    Logic::Instance().RegisterScript(this);
    m_registered = true;
}

bool Script::Update()
{
    // By index and re-read after each call: a script may attach more files to this very object.
    for (size_t i = 0; i < m_attached.size(); ++i)
    {
        ScriptState* state = m_attached[i].state.get();
        if (state && Host().CallFunction(*state, "RunScript", GetOwner()) == ScriptCallResult::Stopped)
            m_attached[i].state.reset();
    }
    return true;
}

std::unique_ptr<Component> Script::Clone() const
{
    auto copy = std::make_unique<Script>();
    for (const AttachedScript& entry : m_attached)
        copy->AttachScript(entry.fileName);
    return copy;
}

void Script::Deserialize(XmlFile& /*file*/, const XmlElement* element)
{
    DetachAll();
    for (const XmlElement* child = element ? element->FirstChildElement() : nullptr; child;
         child = child->NextSiblingElement())
        if (const char* name = child->Attribute("value"))
            AttachScript(name);
}

void Script::Serialize(XmlFile& file, XmlElement* parent, bool /*instanceOnly*/) const
{
    XmlElement* element = file.AddChildElement(parent, GetTypeName());
    for (const AttachedScript& entry : m_attached)
        file.WriteValue(element, entry.fileName, "script");
}

void Script::AddToTweakBar(TweakBar& bar, bool /*instanceOnly*/)
{
    const std::string group = TweakBar::GroupDefinition(GetTypeName());
    std::vector<std::string> attachedNames;
    for (const AttachedScript& entry : m_attached)
        attachedNames.push_back(entry.fileName);
    bar.AddEnum("Script_List", &m_selectedFile, Host().ScriptFiles(), group);
    bar.AddEnum("Attached", &m_selectedAttached, std::move(attachedNames), group);
    bar.AddButton(
        "Attach_Script",
        [this]
        {
            const auto& files = Host().ScriptFiles();
            if (m_selectedFile >= 0 && static_cast<size_t>(m_selectedFile) < files.size())
                AttachScript(files[static_cast<size_t>(m_selectedFile)]);
        },
        group);
    bar.AddButton(
        "Detach_Script",
        [this] {
            if (m_selectedAttached >= 0)
                Detach(static_cast<size_t>(m_selectedAttached));
        },
        group);
}

void Script::AttachScript(const std::string& fileName)
{
    auto sameName = [&](const AttachedScript& entry) { return entry.fileName == fileName; };
    if (std::any_of(m_attached.begin(), m_attached.end(), sameName))
        return;
    std::unique_ptr<ScriptState> state = Host().CreateState(fileName);
    // Checked again: the file's main chunk may itself have attached it here.
    if (std::none_of(m_attached.begin(), m_attached.end(), sameName))
        m_attached.push_back({fileName, std::move(state)});
}

void Script::Detach(size_t index)
{
    if (index < m_attached.size())
        m_attached.erase(m_attached.begin() + static_cast<std::ptrdiff_t>(index));
}

void Script::DetachAll()
{
    m_attached.clear();
}

ScriptState* Script::GetState(const std::string& name) const
{
    const std::string fileName = name + ".lua";
    for (const AttachedScript& entry : m_attached)
        if (entry.fileName == fileName)
            return entry.state.get();
    return nullptr;
}
