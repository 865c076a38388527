#pragma once

#include "objects/FieldKnobs.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

/// Describes a field that is read from and written into its owner's element as a whole: a
/// nested part with fields of its own, or a custom field whose hooks handle the element (returned
/// by FieldList::AddNested and FieldList::AddCustom).
template <typename T> class PartBuilder : public FieldKnobs<T, PartBuilder<T>>
{
  public:
    explicit PartBuilder(FieldEntry<T>& entry) : FieldKnobs<T, PartBuilder>(entry) {}

    /// Reads the field from the owner's element.
    PartBuilder& ReadWith(std::function<void(T&, const XmlElement* owner)> read)
    {
        this->m_entry.read = std::move(read);
        return *this;
    }
    /// Appends the field's elements under the owner's element.
    PartBuilder&
    WriteWith(std::function<void(const T&, XmlFile&, XmlElement* owner, bool instanceOnly)> write)
    {
        this->m_entry.write = [write = std::move(write)](const T& object, XmlFile& file, XmlElement* owner,
                                                         const FieldInfo&, bool instanceOnly)
        { write(object, file, owner, instanceOnly); };
        return *this;
    }
    /// Gives the copy its value in Clone.
    PartBuilder& CloneWith(std::function<void(const T& from, T& to)> copy)
    {
        this->m_entry.copy = std::move(copy);
        return *this;
    }
    /// The value as text.
    PartBuilder& TextWith(std::function<std::string(const T&)> text)
    {
        this->m_entry.text = std::move(text);
        return *this;
    }
    /// The descriptions of the parts the field holds, for the reference.
    PartBuilder& Nested(std::vector<const FieldDescription*> parts)
    {
        this->m_entry.info.nested = std::move(parts);
        return *this;
    }
};
