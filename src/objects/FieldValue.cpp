#include "objects/FieldValue.h"

#include <charconv>

std::string FieldText::Float(float value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string FieldText::Floats(const float* values, int count)
{
    std::string text = "(";
    for (int i = 0; i < count; ++i)
        text.append(i ? ", " : "").append(Float(values[i]));
    return text + ")";
}

std::string FieldText::Braced(const std::string& text)
{
    std::string braced = "{";
    return braced.append(text).append("}");
}

size_t FieldText::PanelBytes(TweakType type)
{
    switch (type)
    {
    case TweakType::Bool:
        return sizeof(bool);
    case TweakType::Int:
    case TweakType::UInt:
    case TweakType::Enum:
    case TweakType::Float:
        return 4;
    case TweakType::Vector3:
        return 12;
    case TweakType::Color4:
    case TweakType::Vector4:
        return 16;
    case TweakType::String:
        return 0;
    }
    return 0;
}
