#pragma once

#include "check/KnownFields.h"

#include <map>
#include <vector>

class FieldDescription;
struct FieldInfo;

/// The field names each component reads or writes, taken from the components' own field
/// descriptions, so the checker knows a field as soon as a component describes it. A component
/// whose children are all list items (Script, Ground), or a custom part without a description, has
/// no names to check; a list's container ("Spawner/SpawnList") likewise.
class DescribedFields final : public KnownFields
{
  public:
    /// The fields of every component type the game registers a creator for (registered here
    /// first, as the game's start-up does).
    DescribedFields();
    /// The fields of `components`, each known by its element name.
    explicit DescribedFields(const std::vector<const FieldDescription*>& components);

    std::optional<std::set<std::string>> FieldsOf(const std::string& component) const override;
    /// Whether the game itself puts the field in files (reads or writes it), rather than keeping it
    /// for Clone or the panel only.
    static bool InFiles(const FieldInfo& info);

  private:
    void AddGroup(const std::string& key, const FieldDescription& fields);
    void AddPart(const std::string& key, const FieldDescription& part, std::set<std::string>& names);

    std::map<std::string, std::set<std::string>> m_groups;
};
