#pragma once

#include "objects/FieldValue.h"
#include "objects/XmlFile.h"

#include <functional>
#include <string>

/// How one value of type V goes into and out of its field element, and its text. The usual
/// codec is the value format itself; fields kept in files under another form (an enumeration
/// written as its name) bring their own.
template <typename V> struct FieldCodec
{
    std::function<void(V&, const XmlElement*)> read;
    std::function<void(XmlFile&, XmlElement* parent, const V&, const std::string& name)> write;
    std::function<std::string(const V&)> text;

    /// The value format of V (FieldValue<V>).
    static FieldCodec Plain()
    {
        return {[](V& value, const XmlElement* element) { XmlFile::ReadValue(value, element); },
                [](XmlFile& file, XmlElement* parent, const V& value, const std::string& name)
                { file.WriteValue(parent, value, name); },
                [](const V& value) { return FieldValue<V>::Text(value); }};
    }

    /// Kept in files as a "string" with its name; `fromName` decides what a name (possibly
    /// unknown or empty) does to the value.
    static FieldCodec Named(std::function<std::string(V)> nameOf,
                            std::function<void(V&, const std::string&)> fromName)
    {
        return {[fromName](V& value, const XmlElement* element)
                {
                    std::string name;
                    XmlFile::ReadValue(name, element);
                    fromName(value, name);
                },
                [nameOf](XmlFile& file, XmlElement* parent, const V& value, const std::string& name)
                { file.WriteValue(parent, nameOf(value), name); },
                [nameOf](const V& value) { return nameOf(value); }};
    }
};
