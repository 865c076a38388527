#pragma once

#include "math/Matrix4.h"
#include "math/Quaternion.h"
#include "math/Vector4.h"

#include <string>
#include <tinyxml2.h>

using XmlElement = tinyxml2::XMLElement;

/// Kinds of field values; each names the element that holds one field.
enum class ValueKind
{
    Bool,
    Float,
    Double,
    Int,
    UInt,
    String,
    Char,
    Vector4,
    Matrix4,
};

/// One XML document opened by path (or built in memory), plus the value format every component
/// field is written and read in: one element per field, named after its kind, with "name" then
/// "value" attributes; vectors and matrices as "float" children.
class XmlFile
{
  public:
    /// Loads `path`; on failure prints "Could not load file '<path>'. Error = '<reason>'" and stays
    /// usable with no root.
    explicit XmlFile(const std::string& path);
    /// An empty in-memory document (for writers and tests).
    XmlFile();
    XmlFile(const XmlFile&) = delete;
    XmlFile& operator=(const XmlFile&) = delete;

    /// Parses `text` as a document; same failure message as loading a file, with `name` as the path.
    static XmlFile FromText(const std::string& text, const std::string& name = "<memory>");
    XmlFile(XmlFile&&) = delete;

    bool IsLoaded() const { return m_loaded; }
    XmlElement* GetRoot() const { return m_root; }
    const std::string& GetPath() const { return m_path; }
    tinyxml2::XMLDocument& GetDocument() { return m_document; }

    /// Creates the root element of an empty document and returns it.
    XmlElement* CreateRoot(const std::string& name);
    /// Writes the document to `path`; false if it could not be written.
    bool Save(const std::string& path);

    /// The element name that holds a value of `kind` ("bool", "float", "Vector4" ...).
    static const char* TypeName(ValueKind kind);

    /// First child of `parent` named `name` whose first attribute equals `value` (when non-empty).
    static XmlElement* FindChildElement(const XmlElement* parent, const std::string& name,
                                        const std::string& value = "");
    /// FindChildElement under the current element (the root after loading).
    XmlElement* FindChildElement(const std::string& name, const std::string& value = "") const;
    void SetCurrentElement(XmlElement* element) { m_current = element; }
    XmlElement* GetCurrentElement() const { return m_current; }
    /// The value of the element's first attribute, "None" if it has none.
    static std::string FirstAttributeValue(const XmlElement* element);
    /// Appends a new empty element `name` as the last child of `parent`.
    XmlElement* AddChildElement(XmlElement* parent, const std::string& name);

    // Readers: the destination is left unchanged when the attribute is missing or does not parse.
    static void ReadValue(bool& out, const XmlElement* element, const char* attribute = "value");
    static void ReadValue(float& out, const XmlElement* element, const char* attribute = "value");
    static void ReadValue(int& out, const XmlElement* element, const char* attribute = "value");
    static void ReadValue(unsigned& out, const XmlElement* element, const char* attribute = "value");
    static void ReadValue(std::string& out, const XmlElement* element, const char* attribute = "value");
    /// Four "float" children into out[0..3]; a short list prints "Error Reading Vector4 from Node: ".
    static void ReadVector4(float* out, const XmlElement* element, const char* attribute = "value");
    /// Into a temporary starting at zero that is copied whole: missing values become 0.
    static void ReadValue(Vector4& out, const XmlElement* element, const char* attribute = "value");
    static void ReadValue(Quaternion& out, const XmlElement* element, const char* attribute = "value");
    /// Sixteen "float" children, row by row; a short list prints "Error Reading Matrix4 from Node: ".
    static void ReadMatrix4(float* out, const XmlElement* element, const char* attribute = "value");
    static void ReadValue(Matrix4& out, const XmlElement* element, const char* attribute = "value");

    // Writers: append the field element under `parent`, "name" before "value".
    void WriteValue(XmlElement* parent, bool value, const std::string& name);
    void WriteValue(XmlElement* parent, float value, const std::string& name);
    void WriteValue(XmlElement* parent, int value, const std::string& name);
    void WriteValue(XmlElement* parent, unsigned value, const std::string& name);
    void WriteValue(XmlElement* parent, const std::string& value, const std::string& name);
    void WriteValue(XmlElement* parent, const char* value, const std::string& name);
    void WriteVector4(XmlElement* parent, const float* values, const std::string& name);
    void WriteValue(XmlElement* parent, const Vector4& value, const std::string& name);
    void WriteValue(XmlElement* parent, const Quaternion& value, const std::string& name);
    void WriteMatrix4(XmlElement* parent, const float* values, const std::string& name);
    void WriteValue(XmlElement* parent, const Matrix4& value, const std::string& name);

    /// printf "%g" of the value as a double: the text every float field is written with.
    static std::string FormatFloat(float value);

  private:
    struct FromTextTag
    {
    };
    XmlFile(FromTextTag, const std::string& text, const std::string& name);
    void Adopt(tinyxml2::XMLError result);
    XmlElement* AddScalar(XmlElement* parent, ValueKind kind, const std::string& name,
                          const std::string& text);
    XmlElement* AddFloatList(XmlElement* parent, const float* values, int count, const std::string& name,
                             ValueKind kind);

    tinyxml2::XMLDocument m_document;
    XmlElement* m_root = nullptr;
    XmlElement* m_current = nullptr;
    std::string m_path;
    bool m_loaded = false;
};
