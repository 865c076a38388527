#pragma once

#include "core/TweakBar.h"
#include "math/Matrix4.h"
#include "math/Quaternion.h"
#include "math/Vector4.h"
#include "objects/XmlFile.h"

#include <cstddef>
#include <string>

/// How field values of type V are kept in files and shown: the element kind that holds them,
/// the panel type they get unless a field says otherwise, and their text for the reference.
template <typename V> struct FieldValue;

/// Shared text forms of the value types.
struct FieldText
{
    /// The shortest text that reads back as the same float.
    static std::string Float(float value);
    /// "(x, y, z, w)".
    static std::string Floats(const float* values, int count);
    /// "{text}": the values of a nested part.
    static std::string Braced(const std::string& text);
    /// How many bytes of a value a panel variable of `type` holds (scalars and float vectors).
    static size_t PanelBytes(TweakType type);
};

template <> struct FieldValue<bool>
{
    static constexpr ValueKind kKind = ValueKind::Bool;
    static constexpr TweakType kPanel = TweakType::Bool;
    static constexpr const char* kTypeName = "bool";
    static std::string Text(bool value) { return value ? "1" : "0"; }
};

template <> struct FieldValue<int>
{
    static constexpr ValueKind kKind = ValueKind::Int;
    static constexpr TweakType kPanel = TweakType::Int;
    static constexpr const char* kTypeName = "int";
    static std::string Text(int value) { return std::to_string(value); }
};

template <> struct FieldValue<unsigned>
{
    static constexpr ValueKind kKind = ValueKind::UInt;
    static constexpr TweakType kPanel = TweakType::UInt;
    static constexpr const char* kTypeName = "uint";
    static std::string Text(unsigned value) { return std::to_string(value); }
};

template <> struct FieldValue<float>
{
    static constexpr ValueKind kKind = ValueKind::Float;
    static constexpr TweakType kPanel = TweakType::Float;
    static constexpr const char* kTypeName = "float";
    static std::string Text(float value) { return FieldText::Float(value); }
};

template <> struct FieldValue<std::string>
{
    static constexpr ValueKind kKind = ValueKind::String;
    static constexpr TweakType kPanel = TweakType::String;
    static constexpr const char* kTypeName = "string";
    static std::string Text(const std::string& value) { return value; }
};

template <> struct FieldValue<Vector4>
{
    static constexpr ValueKind kKind = ValueKind::Vector4;
    static constexpr TweakType kPanel = TweakType::Vector4;
    static constexpr const char* kTypeName = "Vector4";
    static std::string Text(const Vector4& value) { return FieldText::Floats(&value.x, 4); }
};

template <> struct FieldValue<Quaternion>
{
    static constexpr ValueKind kKind = ValueKind::Vector4;
    static constexpr TweakType kPanel = TweakType::Vector4;
    static constexpr const char* kTypeName = "Quaternion";
    static std::string Text(const Quaternion& value) { return FieldText::Floats(&value.x, 4); }
};

template <> struct FieldValue<Matrix4>
{
    static constexpr ValueKind kKind = ValueKind::Matrix4;
    static constexpr TweakType kPanel = TweakType::Vector4; ///< never shown
    static constexpr const char* kTypeName = "Matrix4";
    static std::string Text(const Matrix4& value) { return FieldText::Floats(value.m, 16); }
};
