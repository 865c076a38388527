#pragma once

#include "docgen/FieldMeanings.h"
#include "objects/FieldInfo.h"

#include <string>
#include <vector>

class FieldDescription;

/// Writes docs/components.md: a fixed introduction (value format, coordinates, how to read the
/// tables), then one section per component with a table of its fields in file order, the tables
/// of its nested parts, and an XML example. Every value comes from the field descriptions; only
/// the meanings are hand-written, and a field without one (or a meaning without a field) stops it.
class ComponentReference
{
  public:
    /// A component to document: its field description and an XML example of it.
    struct Entry
    {
        const FieldDescription* fields = nullptr; ///< its fields; the element name heads the section
        std::string example;                      ///< XML shown under its table, one element per line
        std::string title = "";                   ///< heading and meanings key when not the element name
    };

    explicit ComponentReference(FieldMeanings meanings) : m_meanings(std::move(meanings)) {}

    /// The page for `entries`, in order; `unbuilt` names the component types without a creator;
    /// `behaviours` are the particle behaviours, each titled by its name, after the particle
    /// effect file format. Empty, with `error` set to one line, when meanings and fields do not match.
    std::string Write(const std::vector<Entry>& entries, const std::vector<std::string>& unbuilt,
                      std::string& error, const std::vector<Entry>& behaviours = {});

  private:
    void WriteComponent(const Entry& entry, std::string& out);
    void WritePart(const FieldDescription& part, const std::string& key, bool cloned, std::string& out);
    std::string Row(const std::string& part, const FieldInfo& info, bool cloned, int place,
                    const std::string& previous);
    static std::string Title(const Entry& entry);
    static std::string Contents(const std::vector<Entry>& entries, const std::vector<std::string>& unbuilt);
    std::string MismatchLine() const;

    FieldMeanings m_meanings;
    std::vector<std::string> m_missing;
};
