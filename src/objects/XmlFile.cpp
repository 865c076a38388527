#include "objects/XmlFile.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
std::string ErrorDescription(const tinyxml2::XMLDocument& document)
{
    switch (document.ErrorID())
    {
    case tinyxml2::XML_ERROR_FILE_NOT_FOUND:
    case tinyxml2::XML_ERROR_FILE_COULD_NOT_BE_OPENED:
        return "Failed to open file";
    case tinyxml2::XML_ERROR_FILE_READ_ERROR:
        return "Failed to read file";
    case tinyxml2::XML_ERROR_EMPTY_DOCUMENT:
        return "Document empty";
    default:
        return std::string(document.ErrorName()) + " at line " + std::to_string(document.ErrorLineNum());
    }
}

bool EqualsIgnoringCase(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

// Walks the element's children in order, storing each parseable "value"; prints `message` and
// stops when the children run out before `count` values.
void ReadFloatList(float* out, int count, const XmlElement* element, const char* attribute,
                   const char* message)
{
    if (!element)
        return;
    const XmlElement* child = element->FirstChildElement();
    for (int i = 0; i < count; ++i)
    {
        if (!child)
        {
            std::printf("%s%s\n", message, element->Name());
            return;
        }
        XmlFile::ReadValue(out[i], child, attribute);
        child = child->NextSiblingElement();
    }
}
} // namespace

XmlFile::XmlFile(const std::string& path) : m_path(path)
{
    Adopt(m_document.LoadFile(path.c_str()));
}

XmlFile::XmlFile() : m_loaded(true) {}

XmlFile::XmlFile(FromTextTag, const std::string& text, const std::string& name) : m_path(name)
{
    Adopt(m_document.Parse(text.c_str(), text.size()));
}

XmlFile XmlFile::FromText(const std::string& text, const std::string& name)
{
    return XmlFile(FromTextTag{}, text, name);
}

void XmlFile::Adopt(tinyxml2::XMLError result)
{
    m_loaded = result == tinyxml2::XML_SUCCESS && m_document.FirstChildElement();
    if (!m_loaded)
    {
        const std::string reason =
            result == tinyxml2::XML_SUCCESS ? std::string("Document empty") : ErrorDescription(m_document);
        std::printf("Could not load file '%s'. Error = '%s'\n", m_path.c_str(), reason.c_str());
        return;
    }
    m_root = m_document.FirstChildElement();
    m_current = m_root;
}

XmlElement* XmlFile::CreateRoot(const std::string& name)
{
    m_document.Clear();
    m_root = m_document.NewElement(name.c_str());
    m_document.InsertEndChild(m_root);
    m_current = m_root;
    m_loaded = true;
    return m_root;
}

bool XmlFile::Save(const std::string& path)
{
    return m_document.SaveFile(path.c_str()) == tinyxml2::XML_SUCCESS;
}

const char* XmlFile::TypeName(ValueKind kind)
{
    switch (kind)
    {
    case ValueKind::Bool:
        return "bool";
    case ValueKind::Float:
        return "float";
    case ValueKind::Double:
        return "double";
    case ValueKind::Int:
        return "int";
    case ValueKind::UInt:
        return "uint";
    case ValueKind::String:
        return "string";
    case ValueKind::Char:
        return "char";
    case ValueKind::Vector4:
        return "Vector4";
    case ValueKind::Matrix4:
        return "Matrix4";
    }
    return "string";
}

XmlElement* XmlFile::FindChildElement(const XmlElement* parent, const std::string& name,
                                      const std::string& value)
{
    if (!parent)
        return nullptr;
    for (const XmlElement* child = parent->FirstChildElement(); child; child = child->NextSiblingElement())
    {
        if (name != child->Name())
            continue;
        if (value.empty() || FirstAttributeValue(child) == value)
            return const_cast<XmlElement*>(child);
    }
    return nullptr;
}

XmlElement* XmlFile::FindChildElement(const std::string& name, const std::string& value) const
{
    return FindChildElement(m_current, name, value);
}

std::string XmlFile::FirstAttributeValue(const XmlElement* element)
{
    const tinyxml2::XMLAttribute* first = element ? element->FirstAttribute() : nullptr;
    return first ? first->Value() : "None";
}

XmlElement* XmlFile::AddChildElement(XmlElement* parent, const std::string& name)
{
    XmlElement* child = m_document.NewElement(name.c_str());
    if (parent)
        parent->InsertEndChild(child);
    else
        m_document.InsertEndChild(child);
    return child;
}

void XmlFile::ReadValue(bool& out, const XmlElement* element, const char* attribute)
{
    const char* text = element ? element->Attribute(attribute) : nullptr;
    if (!text)
        return;
    if (EqualsIgnoringCase(text, "true") || EqualsIgnoringCase(text, "yes") || std::strcmp(text, "1") == 0)
        out = true;
    else if (EqualsIgnoringCase(text, "false") || EqualsIgnoringCase(text, "no") ||
             std::strcmp(text, "0") == 0)
        out = false;
}

void XmlFile::ReadValue(float& out, const XmlElement* element, const char* attribute)
{
    double value = 0.0;
    if (!element || element->QueryDoubleAttribute(attribute, &value) != tinyxml2::XML_SUCCESS)
        return;
    // "nan" and "inf" parse, but a non-finite field would reach transforms and the solver.
    const auto single = static_cast<float>(value);
    if (std::isfinite(single))
        out = single;
}

void XmlFile::ReadValue(int& out, const XmlElement* element, const char* attribute)
{
    int value = 0;
    if (element && element->QueryIntAttribute(attribute, &value) == tinyxml2::XML_SUCCESS)
        out = value;
}

void XmlFile::ReadValue(unsigned& out, const XmlElement* element, const char* attribute)
{
    if (!element)
        return;
    // Written as "%d" of the value taken as signed, so read it back the same way; ids beyond
    // INT_MAX that a tool wrote unsigned still read through the unsigned query.
    int signedValue = 0;
    unsigned unsignedValue = 0;
    if (element->QueryIntAttribute(attribute, &signedValue) == tinyxml2::XML_SUCCESS)
        out = static_cast<unsigned>(signedValue);
    else if (element->QueryUnsignedAttribute(attribute, &unsignedValue) == tinyxml2::XML_SUCCESS)
        out = unsignedValue;
}

void XmlFile::ReadValue(std::string& out, const XmlElement* element, const char* attribute)
{
    const char* text = element ? element->Attribute(attribute) : nullptr;
    if (text)
        out = text;
}

void XmlFile::ReadVector4(float* out, const XmlElement* element, const char* attribute)
{
    ReadFloatList(out, 4, element, attribute, "Error Reading Vector4 from Node: ");
}

void XmlFile::ReadValue(Vector4& out, const XmlElement* element, const char* attribute)
{
    if (!element)
        return;
    float values[4] = {};
    ReadVector4(values, element, attribute);
    out = {values[0], values[1], values[2], values[3]};
}

void XmlFile::ReadValue(Quaternion& out, const XmlElement* element, const char* attribute)
{
    if (!element)
        return;
    float values[4] = {};
    ReadVector4(values, element, attribute);
    out = {values[0], values[1], values[2], values[3]};
}

void XmlFile::ReadMatrix4(float* out, const XmlElement* element, const char* attribute)
{
    ReadFloatList(out, 16, element, attribute, "Error Reading Matrix4 from Node: ");
}

void XmlFile::ReadValue(Matrix4& out, const XmlElement* element, const char* attribute)
{
    ReadMatrix4(out.m, element, attribute);
}

std::string XmlFile::FormatFloat(float value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

XmlElement* XmlFile::AddScalar(XmlElement* parent, ValueKind kind, const std::string& name,
                               const std::string& text)
{
    XmlElement* element = AddChildElement(parent, TypeName(kind));
    element->SetAttribute("name", name.c_str());
    element->SetAttribute("value", text.c_str());
    return element;
}

XmlElement* XmlFile::AddFloatList(XmlElement* parent, const float* values, int count, const std::string& name,
                                  ValueKind kind)
{
    XmlElement* element = AddChildElement(parent, TypeName(kind));
    element->SetAttribute("name", name.c_str());
    for (int i = 0; i < count; ++i)
        AddChildElement(element, "float")->SetAttribute("value", FormatFloat(values[i]).c_str());
    return element;
}

void XmlFile::WriteValue(XmlElement* parent, bool value, const std::string& name)
{
    AddScalar(parent, ValueKind::Bool, name, value ? "1" : "0");
}

void XmlFile::WriteValue(XmlElement* parent, float value, const std::string& name)
{
    AddScalar(parent, ValueKind::Float, name, FormatFloat(value));
}

void XmlFile::WriteValue(XmlElement* parent, int value, const std::string& name)
{
    AddScalar(parent, ValueKind::Int, name, std::to_string(value));
}

void XmlFile::WriteValue(XmlElement* parent, unsigned value, const std::string& name)
{
    AddScalar(parent, ValueKind::UInt, name, std::to_string(static_cast<int>(value)));
}

void XmlFile::WriteValue(XmlElement* parent, const std::string& value, const std::string& name)
{
    AddScalar(parent, ValueKind::String, name, value);
}

void XmlFile::WriteValue(XmlElement* parent, const char* value, const std::string& name)
{
    WriteValue(parent, std::string(value ? value : ""), name);
}

void XmlFile::WriteVector4(XmlElement* parent, const float* values, const std::string& name)
{
    AddFloatList(parent, values, 4, name, ValueKind::Vector4);
}

void XmlFile::WriteValue(XmlElement* parent, const Vector4& value, const std::string& name)
{
    const float values[4] = {value.x, value.y, value.z, value.w};
    WriteVector4(parent, values, name);
}

void XmlFile::WriteValue(XmlElement* parent, const Quaternion& value, const std::string& name)
{
    WriteValue(parent, value.ToVector4(), name);
}

void XmlFile::WriteMatrix4(XmlElement* parent, const float* values, const std::string& name)
{
    AddFloatList(parent, values, 16, name, ValueKind::Matrix4);
}

void XmlFile::WriteValue(XmlElement* parent, const Matrix4& value, const std::string& name)
{
    WriteMatrix4(parent, value.m, name);
}
