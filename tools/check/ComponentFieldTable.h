#pragma once

#include "check/KnownFields.h"

#include <map>

/// The field names each component's Deserialize reads and its Serialize writes, as a table.
/// Components whose children are free lists (Script, Ground, DecoratorComp) and components the
/// engine does not build yet are not in it, so their fields are not checked.
class ComponentFieldTable final : public KnownFields
{
  public:
    /// Fills the table.
    ComponentFieldTable();
    /// The names in the table, or nothing for a component it does not hold.
    std::optional<std::set<std::string>> FieldsOf(const std::string& component) const override;

  private:
    std::map<std::string, std::set<std::string>> m_fields;
};
