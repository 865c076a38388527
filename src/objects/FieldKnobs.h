#pragma once

#include "objects/FieldEntry.h"

#include <string>

/// The settings every kind of field has, whatever its value type: where it is read from, when
/// it is written and shown, and whether Clone copies it. Each call returns the builder, so a
/// field is described in one chain.
template <typename T, typename Self> class FieldKnobs
{
  public:
    explicit FieldKnobs(FieldEntry<T>& entry) : m_entry(entry) {}

    /// Read from the next child in document order, whatever its name.
    Self& ByPosition() { return Read(FieldRead::ByPosition); }
    /// Read from the sibling right after the element the previous field was read from.
    Self& AfterPrevious() { return Read(FieldRead::AfterPrevious); }
    /// Written but never read back.
    Self& NotRead() { return Read(FieldRead::Never); }
    /// Neither written nor read: state that only Clone (or the panel) knows about.
    Self& NotInFiles()
    {
        m_entry.info.written = FieldScope::Never;
        return Read(FieldRead::Never);
    }
    /// Written only in this scope of `instanceOnly`.
    Self& Written(FieldScope scope)
    {
        m_entry.info.written = scope;
        return Me();
    }
    /// The element kind in files when it is not the value's usual one (a "Float" for a float).
    Self& Element(std::string kind)
    {
        m_entry.info.element = std::move(kind);
        return Me();
    }
    /// Shown on the panel as `label`, with the value type's usual panel type.
    Self& Panel(std::string label)
    {
        m_entry.info.label = std::move(label);
        return Me();
    }
    /// Shown as `label` with panel type `type` and `extra` options after the group.
    Self& Panel(std::string label, TweakType type, std::string extra = "")
    {
        m_entry.panelType = type;
        m_entry.panelExtra = std::move(extra);
        return Panel(std::move(label));
    }
    /// Shown only in this scope of `instanceOnly`.
    Self& ShownWhen(FieldScope scope)
    {
        m_entry.info.shown = scope;
        return Me();
    }
    /// Shown read-only for a placed object.
    Self& ReadOnlyOnInstance()
    {
        m_entry.info.readOnlyOnInstance = true;
        return Me();
    }
    /// Clone leaves the copy's value at its default.
    Self& NotCloned()
    {
        m_entry.info.cloned = false;
        return Me();
    }

  protected:
    Self& Me() { return static_cast<Self&>(*this); }
    Self& Read(FieldRead read)
    {
        m_entry.info.read = read;
        return Me();
    }

    FieldEntry<T>& m_entry;
};
