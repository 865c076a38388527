#pragma once

#include "check/Check.h"
#include "objects/XmlFile.h"

#include <string>

class KnownFields;
struct ComponentSite;

/// Fields a component does not have: the readers skip a misspelt field without a word, and the
/// component keeps its default.
class FieldCheck final : public Check
{
  public:
    /// Checks against `fields`, which must outlive the check.
    explicit FieldCheck(const KnownFields& fields) : m_fields(fields) {}
    const char* Name() const override { return "component fields"; }
    void Run(const ContentTree& tree, ProblemReport& report) const override;

  private:
    void CheckGroup(const ComponentSite& site, const XmlElement* group, const std::string& key,
                    ProblemReport& report) const;
    static std::string FieldName(const XmlElement* field);

    const KnownFields& m_fields;
};
