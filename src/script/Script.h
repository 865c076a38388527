#pragma once

#include "objects/Component.h"
#include "script/ScriptState.h"

#include <memory>
#include <string>
#include <vector>

/// One script file attached to an object, with the state it runs in.
struct AttachedScript
{
    std::string fileName;               ///< with ".lua", as the file is named in res/scripts/
    std::unique_ptr<ScriptState> state; ///< null when the file failed or was switched off
};

/// Gives an object behaviour from Lua: each attached file runs in a state of its own, and its
/// global "RunScript" is called with the object once per frame, after the other components
/// Logic drives.
class Script final : public Component
{
  public:
    /// No files attached.
    Script() : Component(ComponentType::Script) {}
    ~Script() override;

    /// Joins Logic's script list.
    void Initialize() override;
    /// Calls "RunScript" in every attached state, in attachment order; switches off a state
    /// that broke its budget or ceiling.
    bool Update() override;
    /// One string element "script" per attached file. Reading detaches all, then attaches the
    /// "value" of every child element in document order; a clone attaches the same files afresh,
    /// so their main chunks run again. The panel lists the host's files and the attached ones,
    /// with attach and detach buttons.
    const ComponentFields* Fields() const override;

    /// Attaches a file (name with ".lua") unless one of that name is attached already.
    void AttachScript(const std::string& fileName);
    /// Closes the entry's state and removes it; an index out of range changes nothing.
    void Detach(size_t index);
    /// Closes every state and empties the list.
    void DetachAll();
    /// The state of the attached file `name` + ".lua", or null.
    ScriptState* GetState(const std::string& name) const;
    /// The attached files, in attachment order.
    const std::vector<AttachedScript>& Attached() const { return m_attached; }
    /// The attached files' names, in attachment order.
    std::vector<std::string> AttachedNames() const;

  private:
    int m_selectedFile = 0;
    int m_selectedAttached = 0;
    std::vector<AttachedScript> m_attached;
    bool m_registered = false;
};
