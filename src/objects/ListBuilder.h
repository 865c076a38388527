#pragma once

#include "objects/FieldKnobs.h"
#include "objects/FieldValue.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

/// Describes a list field of class T with items of type V (int or string; returned by
/// FieldList::AddList). In files every item is one element whose "value" is the item: every
/// child of the owner's element, or every child of one container element. Reading adds the
/// items through the owner's adder (which may refuse repeats); Clone adds the original's items
/// to the copy the same way.
template <typename T, typename V> class ListBuilder : public FieldKnobs<T, ListBuilder<T, V>>
{
  public:
    using Items = std::function<std::vector<V>(const T&)>;
    using Adder = std::function<void(T&, const V&)>;

    ListBuilder(FieldEntry<T>& entry, Items items, Adder add)
        : FieldKnobs<T, ListBuilder>(entry), m_items(std::move(items)), m_add(std::move(add))
    {
        entry.info.read = FieldRead::EveryChild;
        entry.info.typeName = std::string("list of ") + FieldValue<V>::kTypeName;
        Rebuild();
    }

    /// The items are the children of the child element `name` (written even when empty).
    ListBuilder& Container(std::string name)
    {
        this->m_entry.info.read = FieldRead::ChildrenOf;
        this->m_entry.info.container = name;
        m_container = std::move(name);
        return Rebuild();
    }
    /// Reading first empties the list with `clear`, so a file replaces the items instead of
    /// adding to them.
    ListBuilder& ReplacesOnRead(std::function<void(T&)> clear)
    {
        m_clear = std::move(clear);
        return Rebuild();
    }

  private:
    static bool TryRead(int& value, const XmlElement* element)
    {
        return element->QueryIntAttribute("value", &value) == tinyxml2::XML_SUCCESS;
    }
    static bool TryRead(std::string& value, const XmlElement* element)
    {
        const char* text = element->Attribute("value");
        if (text)
            value = text;
        return text != nullptr;
    }

    ListBuilder& Rebuild()
    {
        FieldEntry<T>& entry = this->m_entry;
        entry.read =
            [add = m_add, container = m_container, clear = m_clear](T& object, const XmlElement* owner)
        {
            if (clear)
                clear(object);
            const XmlElement* items = container.empty() ? owner : XmlFile::FindChildElement(owner, container);
            for (const XmlElement* item = items ? items->FirstChildElement() : nullptr; item;
                 item = item->NextSiblingElement())
                if (V value{}; TryRead(value, item))
                    add(object, value);
        };
        entry.write = [items = m_items, container = m_container](
                          const T& object, XmlFile& file, XmlElement* owner, const FieldInfo& info, bool)
        {
            XmlElement* parent = container.empty() ? owner : file.AddChildElement(owner, container);
            for (const V& value : items(object))
                file.WriteValue(parent, value, info.name);
        };
        entry.copy = [items = m_items, add = m_add](const T& from, T& to)
        {
            for (const V& value : items(from))
                add(to, value);
        };
        entry.text = [items = m_items](const T& object)
        {
            std::string text = "[";
            for (const V& value : items(object))
                text.append(text.size() > 1 ? ", " : "").append(FieldValue<V>::Text(value));
            return text + "]";
        };
        return *this;
    }

    Items m_items;
    Adder m_add;
    std::string m_container;
    std::function<void(T&)> m_clear;
};
