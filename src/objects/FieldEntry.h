#pragma once

#include "core/TweakBar.h"
#include "objects/FieldInfo.h"
#include "objects/XmlFile.h"

#include <functional>
#include <string>

/// One field of class T as its description holds it: what it is (`info`), how the panel shows
/// it, and the hooks that read, write, copy, show and print it. Built by FieldList::Add and its
/// builders; FieldList runs the hooks in field order.
template <typename T> struct FieldEntry
{
    /// What the panel entry is and where it goes: its label and type, the definition
    /// ("group='X'" plus the field's extra options), the bare group name (for nested parts) and
    /// the flags of the call.
    struct PanelPlace
    {
        std::string label;
        TweakType type = TweakType::Float;
        std::string definition;
        std::string group;
        bool instanceOnly = false;
        bool readOnly = false;
    };

    FieldInfo info;
    TweakType panelType = TweakType::Float;
    std::string panelExtra;        ///< options after the group, e.g. " min=0.01f "
    bool applyWhenMissing = false; ///< the read hook runs (with a null element) even without an element

    /// Reads from the field's element, or from the owner's element for lists, nested parts and
    /// custom fields.
    std::function<void(T&, const XmlElement*)> read;
    /// Appends the field's element(s) under the owner's element, named as `info` says.
    std::function<void(const T&, XmlFile&, XmlElement*, const FieldInfo& info, bool instanceOnly)> write;
    /// Gives the copy its value in Clone.
    std::function<void(const T& from, T& to)> copy;
    /// Adds the panel entry (or entries).
    std::function<void(T&, TweakBar&, const PanelPlace&)> show;
    /// The value as text.
    std::function<std::string(const T&)> text;
};
