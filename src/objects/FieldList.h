#pragma once

#include "core/TweakBar.h"
#include "objects/ComponentType.h"
#include "objects/FieldBuilder.h"
#include "objects/FieldSet.h"
#include "objects/ListBuilder.h"
#include "objects/PartBuilder.h"

#include <algorithm>
#include <cassert>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

/// The fields of class T, each described once, in the order files hold them, and the four
/// operations that follow from them: Clone, read (Deserialize), write (Serialize) and the debug
/// panel (AddToTweakBar). `Base` is the class through which the operations are reached
/// (Component for components). A class builds its list once, in a function-local static:
///
///     ComponentFieldList<Hud> list(ComponentType::Hud);
///     list.Add("offset", &Hud::m_offset).Panel("offset", TweakType::Vector3);
///
/// Fields are read by name unless they say otherwise; written, shown and cloned always unless
/// they say otherwise. Quirks of a field are settings or hooks on that field; settings of the
/// whole list (element, group, orders, hooks after reading or cloning) are set last.
template <typename T, typename Base = T> class FieldList final : public FieldSet<Base>
{
  public:
    /// Fields written into an element named `element`, shown in the panel group of that name.
    explicit FieldList(std::string element) : m_element(element), m_group(std::move(element)) {}
    /// The fields of a component: element and panel group named by its type.
    explicit FieldList(ComponentType type) : FieldList(std::string(ComponentTypeName(type))) {}

    /// A value field stored in `member`.
    template <typename V> FieldBuilder<T, V> Add(std::string name, V T::*member)
    {
        return Add(std::move(name), [member](T& object) -> V& { return object.*member; });
    }
    /// A value field reached through `access` (a lambda returning a reference into T).
    template <typename Access, typename V = std::remove_reference_t<std::invoke_result_t<Access, T&>>>
    FieldBuilder<T, V> Add(std::string name, Access access)
    {
        FieldEntry<T>& entry =
            NewField(std::move(name), XmlFile::TypeName(FieldValue<V>::kKind), FieldValue<V>::kTypeName);
        entry.panelType = FieldValue<V>::kPanel;
        return FieldBuilder<T, V>(entry, std::move(access), FieldCodec<V>::Plain());
    }
    /// An enumeration kept in files as its name (a "string"); the panel shows `names()`.
    template <typename E>
    FieldBuilder<T, E> AddNamed(std::string name, E T::*member, std::string typeName,
                                std::type_identity_t<std::function<std::string(E)>> nameOf,
                                std::type_identity_t<std::function<void(E&, const std::string&)>> fromName,
                                std::function<std::vector<std::string>()> names)
    {
        FieldEntry<T>& entry =
            NewField(std::move(name), XmlFile::TypeName(ValueKind::String), std::move(typeName));
        entry.panelType = TweakType::Enum;
        FieldBuilder<T, E> field(
            entry, [member](T& object) -> E& { return object.*member; },
            FieldCodec<E>::Named(std::move(nameOf), std::move(fromName)));
        field.Choices([names = std::move(names)](const T&) { return names(); });
        return field;
    }
    /// A list of int or string items named `itemName`, read through `add` and written from `items`.
    template <typename V>
    ListBuilder<T, V> AddList(std::string itemName,
                              std::type_identity_t<std::function<std::vector<V>(const T&)>> items,
                              std::type_identity_t<std::function<void(T&, const V&)>> add)
    {
        FieldEntry<T>& entry = NewField(std::move(itemName), XmlFile::TypeName(FieldValue<V>::kKind), "");
        return ListBuilder<T, V>(entry, std::move(items), std::move(add));
    }
    /// A part with fields of its own in `member`, written as a child element named by `part`.
    template <typename N, typename NB> PartBuilder<T> AddNested(N T::*member, const FieldSet<NB>& part)
    {
        FieldEntry<T>& entry = NewField(part.ElementName(), part.ElementName(), "part");
        entry.info.read = FieldRead::Nested;
        entry.info.nested = {&part};
        const FieldSet<NB>* of = &part;
        entry.read = [member, of](T& object, const XmlElement* owner)
        { of->Read(object.*member, XmlFile::FindChildElement(owner, of->ElementName())); };
        entry.write = [member, of](const T& object, XmlFile& file, XmlElement* owner, const FieldInfo&,
                                   bool instanceOnly)
        { of->Write(object.*member, file, owner, instanceOnly); };
        entry.copy = [member, of](const T& from, T& to) { of->Copy(from.*member, to.*member); };
        entry.show = [member, of](T& object, TweakBar& bar, const Place& place)
        { of->Show(object.*member, bar, place.instanceOnly, place.group); };
        entry.text = [member, of](const T& object) { return FieldText::Braced(of->Text(object.*member)); };
        return PartBuilder<T>(entry);
    }
    /// A field whose hooks read and write the owner's whole element.
    PartBuilder<T> AddCustom(std::string name, std::string element, std::string typeName)
    {
        FieldEntry<T>& entry = NewField(std::move(name), std::move(element), std::move(typeName));
        entry.info.read = FieldRead::Custom;
        return PartBuilder<T>(entry);
    }
    /// A panel button that runs `onClick` on the object.
    void AddButton(std::string label, std::function<void(T&)> onClick)
    {
        FieldEntry<T>& entry = NewPanelEntry(std::move(label));
        entry.show = [onClick = std::move(onClick)](T& object, TweakBar& bar, const Place& place)
        {
            bar.AddButton(
                place.label, [&object, onClick] { onClick(object); }, place.definition);
        };
    }
    /// A panel separator.
    void AddSeparator(std::string label)
    {
        FieldEntry<T>& entry = NewPanelEntry(std::move(label));
        entry.show = [](T&, TweakBar& bar, const Place& place)
        { bar.AddSeparator(place.label, place.definition); };
    }

    /// The panel group (empty: the group of the owner that shows this part).
    FieldList& Group(std::string group)
    {
        m_group = std::move(group);
        return *this;
    }
    /// The element carries this "value" attribute (a decorator's kind).
    FieldList& ElementValue(std::string value)
    {
        m_elementValue = std::move(value);
        return *this;
    }
    /// Nothing at all is written for a placed object, not even the element.
    FieldList& OmitWhenInstance()
    {
        m_omitWhenInstance = true;
        return *this;
    }
    /// The panel shows its entries in this order of labels (nested parts by name) instead of
    /// file order. Call it after the fields are added; it must name every entry of the panel.
    FieldList& PanelOrder(std::vector<std::string> labels)
    {
        m_panelOrder =
            Resolve(labels, [](const FieldEntry<T>& field) { return OnPanel(field) ? PanelKey(field) : ""; });
        assert(m_panelOrder.size() == size_t(std::count_if(m_fields.begin(), m_fields.end(), OnPanel)));
        return *this;
    }
    /// A placed object's fields are written in this order of names (call after the fields are
    /// added; it must name every field written for a placed object).
    FieldList& InstanceWriteOrder(std::vector<std::string> names)
    {
        m_instanceOrder = Resolve(names, [](const FieldEntry<T>& field) { return field.info.name; });
        return *this;
    }
    /// Runs after every read, when all fields are in (corrections, caches, timers).
    FieldList& AfterRead(std::function<void(T&)> hook)
    {
        m_afterRead = std::move(hook);
        return *this;
    }
    /// Runs after the fields are copied into a clone.
    FieldList& AfterClone(std::function<void(const T& from, T& to)> hook)
    {
        m_afterClone = std::move(hook);
        return *this;
    }

    const std::string& ElementName() const override { return m_element; }
    const std::string& Group() const override { return m_group; }

    std::vector<FieldInfo> Describe() const override
    {
        const T prototype{};
        std::vector<FieldInfo> infos;
        for (const FieldEntry<T>& field : m_fields)
        {
            infos.push_back(field.info);
            if (field.text)
                infos.back().defaultText = field.text(prototype);
        }
        return infos;
    }

    std::unique_ptr<Base> Clone(const Base& object) const override
    {
        auto copy = std::make_unique<T>();
        Copy(object, *copy);
        return copy;
    }

    void Copy(const Base& from, Base& to) const override
    {
        const T& source = static_cast<const T&>(from);
        T& target = static_cast<T&>(to);
        for (const FieldEntry<T>& field : m_fields)
            if (field.info.cloned && field.copy)
                field.copy(source, target);
        if (m_afterClone)
            m_afterClone(source, target);
    }

    void Read(Base& base, const XmlElement* element) const override
    {
        if (!element)
            return;
        T& object = static_cast<T&>(base);
        ReadCursor cursor{element->FirstChildElement(), nullptr};
        for (const FieldEntry<T>& field : m_fields)
            ReadField(field, object, element, cursor);
        if (m_afterRead)
            m_afterRead(object);
    }

    void Write(const Base& base, XmlFile& file, XmlElement* parent, bool instanceOnly) const override
    {
        if (m_omitWhenInstance && instanceOnly)
            return;
        const T& object = static_cast<const T&>(base);
        XmlElement* element = file.AddChildElement(parent, m_element);
        if (!m_elementValue.empty())
            element->SetAttribute("value", m_elementValue.c_str());
        for (const FieldEntry<T>* field :
             Order(instanceOnly && !m_instanceOrder.empty() ? m_instanceOrder : m_fileOrder))
            if (field->write && InScope(field->info.written, instanceOnly))
                field->write(object, file, element, field->info, instanceOnly);
    }

    void Show(Base& base, TweakBar& bar, bool instanceOnly, const std::string& group) const override
    {
        T& object = static_cast<T&>(base);
        const std::string shownGroup = m_group.empty() ? group : m_group;
        const std::string definition = TweakBar::GroupDefinition(shownGroup);
        for (const FieldEntry<T>* field : Order(m_panelOrder.empty() ? m_fileOrder : m_panelOrder))
        {
            const FieldInfo& info = field->info;
            if (!OnPanel(*field) || !InScope(info.shown, instanceOnly))
                continue;
            field->show(object, bar,
                        {info.label, field->panelType, definition + field->panelExtra, shownGroup,
                         instanceOnly, instanceOnly && info.readOnlyOnInstance});
        }
    }

    std::string ValueText(const Base& object, size_t index) const override
    {
        const FieldEntry<T>& field = m_fields.at(index);
        return field.text ? field.text(static_cast<const T&>(object)) : "";
    }

    std::string Text(const Base& object) const override
    {
        std::string text;
        for (size_t i = 0; i < m_fields.size(); ++i)
            if (m_fields[i].text)
                text.append(text.empty() ? "" : "; ")
                    .append(m_fields[i].info.name)
                    .append("=")
                    .append(ValueText(object, i));
        return text;
    }

  private:
    using Place = typename FieldEntry<T>::PanelPlace;

    /// The next child for a positional field and the element the previous field was read from.
    struct ReadCursor
    {
        const XmlElement* next;
        const XmlElement* last;
    };

    /// Whether the field has an entry (or, for a nested part, entries) on the panel.
    static bool OnPanel(const FieldEntry<T>& field)
    {
        return field.show && (!field.info.label.empty() || field.info.read == FieldRead::Nested);
    }

    static std::string PanelKey(const FieldEntry<T>& field)
    {
        return field.info.label.empty() ? field.info.name : field.info.label;
    }

    static void ReadField(const FieldEntry<T>& field, T& object, const XmlElement* element,
                          ReadCursor& cursor)
    {
        const XmlElement* found = nullptr;
        switch (field.info.read)
        {
        case FieldRead::Never:
            return;
        case FieldRead::ByPosition:
            found = cursor.next;
            cursor.next = found ? found->NextSiblingElement() : nullptr;
            break;
        case FieldRead::ByName:
            found = XmlFile::FindChildElement(element, field.info.element, field.info.name);
            break;
        case FieldRead::AfterPrevious:
            found = cursor.last ? cursor.last->NextSiblingElement() : nullptr;
            break;
        default: // lists, nested parts and custom fields take the owner's whole element
            if (field.read)
                field.read(object, element);
            return;
        }
        cursor.last = found;
        if (found || field.applyWhenMissing)
            field.read(object, found);
    }

    FieldEntry<T>& NewField(std::string name, std::string element, std::string typeName)
    {
        FieldEntry<T>& entry = m_fields.emplace_back();
        entry.info.name = std::move(name);
        entry.info.element = std::move(element);
        entry.info.typeName = std::move(typeName);
        m_fileOrder.push_back(m_fields.size() - 1);
        return entry;
    }

    FieldEntry<T>& NewPanelEntry(std::string label)
    {
        FieldEntry<T>& entry = NewField("", "", "");
        entry.info.label = std::move(label);
        entry.info.panelOnly = true;
        entry.info.cloned = false;
        entry.info.read = FieldRead::Never;
        entry.info.written = FieldScope::Never;
        return entry;
    }

    template <typename Key> std::vector<size_t> Resolve(const std::vector<std::string>& keys, Key key) const
    {
        std::vector<size_t> order;
        for (const std::string& wanted : keys)
            for (size_t i = 0; i < m_fields.size(); ++i)
                if (key(m_fields[i]) == wanted)
                {
                    order.push_back(i);
                    break;
                }
        assert(order.size() == keys.size() && "every name of an order is a field of the list");
        return order;
    }

    std::vector<const FieldEntry<T>*> Order(const std::vector<size_t>& order) const
    {
        std::vector<const FieldEntry<T>*> fields;
        for (size_t index : order)
            fields.push_back(&m_fields[index]);
        return fields;
    }

    std::string m_element;
    std::string m_group;
    std::string m_elementValue;
    bool m_omitWhenInstance = false;
    std::deque<FieldEntry<T>> m_fields;
    std::vector<size_t> m_fileOrder;
    std::vector<size_t> m_panelOrder;
    std::vector<size_t> m_instanceOrder;
    std::function<void(T&)> m_afterRead;
    std::function<void(const T&, T&)> m_afterClone;
};

/// The field list of component class C.
template <typename C> using ComponentFieldList = FieldList<C, class Component>;
