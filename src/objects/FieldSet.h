#pragma once

#include "objects/FieldDescription.h"
#include "objects/XmlFile.h"

#include <memory>
#include <string>

class TweakBar;

/// A description of fields that can also act on objects of class `Base` (and its subclasses):
/// the four operations every component, decorator and nested part takes from its description.
template <typename Base> class FieldSet : public FieldDescription
{
  public:
    /// A new object of the described class with the cloned fields copied.
    virtual std::unique_ptr<Base> Clone(const Base& object) const = 0;
    /// Copies the cloned fields of `from` into `to` (both of the described class).
    virtual void Copy(const Base& from, Base& to) const = 0;
    /// Reads the fields from the object's own element; a null element reads nothing.
    virtual void Read(Base& object, const XmlElement* element) const = 0;
    /// Appends the object's element under `parent` and writes the fields into it.
    virtual void Write(const Base& object, XmlFile& file, XmlElement* parent, bool instanceOnly) const = 0;
    /// Adds the shown fields to the panel in `group` when this description has no group of its own.
    virtual void Show(Base& object, TweakBar& bar, bool instanceOnly, const std::string& group) const = 0;
    /// The value of field `index` (in Describe() order) as text.
    virtual std::string ValueText(const Base& object, size_t index) const = 0;
    /// Every value as "name=value", separated by "; ".
    virtual std::string Text(const Base& object) const = 0;
};
