#include "script/Script.h"

#include "core/TweakBar.h"
#include "objects/FieldList.h"
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

const ComponentFields* Script::Fields() const
{
    static const ComponentFieldList<Script> fields = []
    {
        ComponentFieldList<Script> list(ComponentType::Script);
        list.AddList<std::string>("script", &Script::AttachedNames, &Script::AttachScript)
            .ReplacesOnRead(&Script::DetachAll);
        list.Add("selectedFile", &Script::m_selectedFile)
            .NotInFiles()
            .NotCloned()
            .Panel("Script_List")
            .Choices([](const Script&) { return Host().ScriptFiles(); });
        list.Add("selectedAttached", &Script::m_selectedAttached)
            .NotInFiles()
            .NotCloned()
            .Panel("Attached")
            .Choices(&Script::AttachedNames);
        list.AddButton("Attach_Script",
                       [](Script& script)
                       {
                           const auto& files = Host().ScriptFiles();
                           if (script.m_selectedFile >= 0 &&
                               static_cast<size_t>(script.m_selectedFile) < files.size())
                               script.AttachScript(files[static_cast<size_t>(script.m_selectedFile)]);
                       });
        list.AddButton("Detach_Script",
                       [](Script& script)
                       {
                           if (script.m_selectedAttached >= 0)
                               script.Detach(static_cast<size_t>(script.m_selectedAttached));
                       });
        return list;
    }();
    return &fields;
}

std::vector<std::string> Script::AttachedNames() const
{
    std::vector<std::string> names;
    for (const AttachedScript& entry : m_attached)
        names.push_back(entry.fileName);
    return names;
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
