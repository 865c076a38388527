#pragma once

#include "objects/FieldCodec.h"
#include "objects/FieldKnobs.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

/// Describes one value field of class T with values of type V (returned by FieldList::Add).
/// Besides the common settings it takes the hooks that need the value's type: a setter through
/// which reading (or the panel) applies the value, a derived value to write, enumeration names
/// for the panel. After each setting the field's hooks are made again from all of them.
template <typename T, typename V> class FieldBuilder : public FieldKnobs<T, FieldBuilder<T, V>>
{
  public:
    using Access = std::function<V&(T&)>;

    FieldBuilder(FieldEntry<T>& entry, Access access, FieldCodec<V> codec)
        : FieldKnobs<T, FieldBuilder>(entry), m_access(std::move(access)), m_codec(std::move(codec))
    {
        Rebuild();
    }

    /// Reading hands the value read (starting from the current one) to `apply` instead of
    /// storing it.
    FieldBuilder& ReadWith(std::function<void(T&, const V&)> apply)
    {
        m_apply = std::move(apply);
        return Rebuild();
    }
    /// With ReadWith: `apply` runs with the current value even when the element is missing.
    FieldBuilder& ApplyEvenWhenMissing()
    {
        this->m_entry.applyWhenMissing = true;
        return *this;
    }
    /// Clone gives the copy its value through `copy` instead of copying it.
    FieldBuilder& CloneWith(std::function<void(const T& from, T& to)> copy)
    {
        this->m_entry.info.clonedByHook = true;
        this->m_entry.copy = std::move(copy);
        return *this;
    }
    /// Writes `value(object)` instead of the stored value.
    FieldBuilder& WriteAs(std::function<V(const T&)> value)
    {
        m_writeAs = std::move(value);
        return Rebuild();
    }
    /// The panel edits the value through `setter` (a callback entry) instead of binding it.
    FieldBuilder& PanelSetter(std::function<void(T&, const V&)> setter)
    {
        m_setter = std::move(setter);
        return Rebuild();
    }
    /// The panel shows an enumeration over `names(object)`, bound to the value as an index.
    FieldBuilder& Choices(std::function<std::vector<std::string>(const T&)> names)
    {
        m_choices = std::move(names);
        return Rebuild();
    }

  private:
    using Place = typename FieldEntry<T>::PanelPlace;

    // The hooks only read through `access` when they get a const object.
    static V& Get(const Access& access, const T& object) { return access(const_cast<T&>(object)); }

    FieldBuilder& Rebuild()
    {
        FieldEntry<T>& entry = this->m_entry;
        entry.read =
            [access = m_access, read = m_codec.read, apply = m_apply](T& object, const XmlElement* element)
        {
            V value = access(object);
            if (element)
                read(value, element);
            if (apply)
                apply(object, value);
            else
                access(object) = std::move(value);
        };
        entry.write = [access = m_access, write = m_codec.write, writeAs = m_writeAs](
                          const T& object, XmlFile& file, XmlElement* parent, const FieldInfo& info, bool)
        {
            write(file, parent, writeAs ? writeAs(object) : Get(access, object), info.name);
            XmlElement* written = parent->LastChildElement();
            if (written && info.element != written->Name())
                written->SetName(info.element.c_str());
        };
        if (!entry.info.clonedByHook)
            entry.copy = [access = m_access](const T& from, T& to) { access(to) = Get(access, from); };
        entry.text = [access = m_access, text = m_codec.text](const T& object)
        { return text(Get(access, object)); };
        entry.show = [access = m_access, setter = m_setter, choices = m_choices](T& object, TweakBar& bar,
                                                                                 const Place& place)
        { Show(access(object), object, bar, place, setter, choices); };
        return *this;
    }

    static void Show(V& value, T& object, TweakBar& bar, const Place& place,
                     const std::function<void(T&, const V&)>& setter,
                     const std::function<std::vector<std::string>(const T&)>& choices)
    {
        if constexpr (std::is_enum_v<V> || std::is_same_v<V, int>)
            if (choices)
            {
                static_assert(sizeof(V) == sizeof(int), "panel enumerations bind an int");
                bar.AddEnum(place.label, reinterpret_cast<int*>(&value), choices(object), place.definition);
                return;
            }
        if (place.readOnly)
            bar.AddVarRO(place.label, place.type, &value, place.definition);
        else if (setter)
            bar.AddVarCB(
                place.label, place.type,
                [&value, &object, setter, type = place.type](const void* in)
                { setter(object, FromPanel(value, in, type)); },
                [&value, type = place.type](void* out) { ToPanel(value, out, type); }, place.definition);
        else
            bar.AddVarRW(place.label, place.type, &value, place.definition);
    }

    // A panel value may hold fewer bytes than V (three floats of a Vector4): only those are copied.
    static V FromPanel(const V& current, const void* in, TweakType type)
    {
        V value = current;
        if constexpr (std::is_same_v<V, std::string>)
            value = *static_cast<const std::string*>(in);
        else
            std::memcpy(&value, in, std::min(sizeof(V), FieldText::PanelBytes(type)));
        return value;
    }

    static void ToPanel(const V& value, void* out, TweakType type)
    {
        if constexpr (std::is_same_v<V, std::string>)
            *static_cast<std::string*>(out) = value;
        else
            std::memcpy(out, &value, std::min(sizeof(V), FieldText::PanelBytes(type)));
    }

    Access m_access;
    FieldCodec<V> m_codec;
    std::function<void(T&, const V&)> m_apply;
    std::function<V(const T&)> m_writeAs;
    std::function<void(T&, const V&)> m_setter;
    std::function<std::vector<std::string>(const T&)> m_choices;
};
