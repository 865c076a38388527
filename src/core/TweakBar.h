#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

/// Value types a panel variable can have.
enum class TweakType
{
    Bool,
    Int,
    UInt,
    Float,
    Vector3, ///< three floats (positions, scales, angles)
    Color4,  ///< four floats, colour with alpha
    Vector4, ///< four floats
    String,  ///< std::string
    Enum,    ///< int index into the entry's enum names
};

/// How a panel entry is bound.
enum class TweakAccess
{
    ReadWrite,
    ReadOnly,
    Callback, ///< read and written through getter and setter
    Button,
    Separator,
};

/// One line of the debug panel as a component added it.
struct TweakEntry
{
    TweakAccess access = TweakAccess::ReadWrite;
    std::string name;
    std::string definition; ///< e.g. "group='Transform' step=0.1"
    TweakType type = TweakType::Float;
    void* data = nullptr; ///< bound value for ReadWrite and ReadOnly
    std::function<void(void* value)> getter;
    std::function<void(const void* value)> setter;
    std::function<void()> onClick;
    std::vector<std::string> enumNames;
    bool removed = false; ///< its group was removed; it stays, still valid, until the next Clear

    /// The group named in the definition ("group='X'" or "group=X"), empty if none.
    std::string Group() const;
};

/// The debug panel's contents: what components add through AddToTweakBar. The graphics layer
/// draws it; this class only records and edits.
class TweakBar
{
  public:
    explicit TweakBar(std::string title = "Vantora") : m_title(std::move(title)) {}

    /// The definition string that puts an entry in the group of a component type.
    static std::string GroupDefinition(const std::string& typeName) { return "group='" + typeName + "'"; }

    void AddVarRW(const std::string& name, TweakType type, void* data, const std::string& definition);
    void AddVarRO(const std::string& name, TweakType type, const void* data, const std::string& definition);
    void AddVarCB(const std::string& name, TweakType type, std::function<void(const void*)> setter,
                  std::function<void(void*)> getter, const std::string& definition);
    /// A read-write enumeration over `names`, bound to an int index.
    void AddEnum(const std::string& name, int* data, std::vector<std::string> names,
                 const std::string& definition);
    void AddButton(const std::string& name, std::function<void()> onClick, const std::string& definition);
    void AddSeparator(const std::string& name, const std::string& definition);

    /// Removes a group, as a component's RemoveFromTweakBar does. A button may ask for this while
    /// the panel is drawing, so the entries are only marked removed: they stay in place (and
    /// valid) until the next Clear.
    void RemoveGroup(const std::string& group);
    /// Keeps `object` alive until the next Clear, for what removed entries still point into.
    void KeepUntilClear(std::shared_ptr<void> object);

    /// Every entry in the order added, removed ones included.
    const std::vector<TweakEntry>& Entries() const { return m_entries; }
    /// The first entry with this name that is not removed, or null.
    const TweakEntry* Find(const std::string& name) const;
    const std::string& Title() const { return m_title; }
    /// Empties the panel and lets go of what it was keeping alive.
    void Clear();

  private:
    std::string m_title;
    std::vector<TweakEntry> m_entries;
    std::vector<std::shared_ptr<void>> m_kept;
};
