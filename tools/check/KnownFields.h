#pragma once

#include <optional>
#include <set>
#include <string>

/// Which XML field names each component reads. A field element is known by its "name"
/// attribute, or by its element name when it has none ("Mover", "SpawnList"); a nested group is
/// asked for as "Component/Group" ("Controller/Mover").
class KnownFields
{
  public:
    virtual ~KnownFields() = default;
    /// The accepted field names of `component`, or nothing when they are not known: then its
    /// fields are not checked.
    virtual std::optional<std::set<std::string>> FieldsOf(const std::string& component) const = 0;
};
