// Field values as every component reads them: any XML document, each element read as every kind
// of value, and each value written back and read again, which must give the same value.
#include "objects/XmlFile.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
[[noreturn]] void Mismatch(const char* kind)
{
    std::printf("%s changed on writing and reading back\n", kind);
    std::abort();
}

// "%g" keeps six digits, so a float comes back within a relative 1e-5, or as the same non-number.
bool Close(float written, float read)
{
    if (std::isnan(written) || std::isnan(read))
        return std::isnan(written) && std::isnan(read);
    if (std::isinf(written) || std::isinf(read))
        return written == read;
    return std::fabs(written - read) <= 1e-5f * std::fmax(std::fabs(written), 1e-30f);
}

template <typename T> void RoundTrip(const T& value, XmlFile& output, XmlElement* parent, const char* kind)
{
    output.WriteValue(parent, value, "v");
    T read{};
    XmlFile::ReadValue(read, parent->LastChildElement());
    if constexpr (std::is_same_v<T, float>)
    {
        if (!Close(value, read))
            Mismatch(kind);
    }
    else if (!(read == value))
        Mismatch(kind);
}

void ReadEveryKind(const XmlElement* element, XmlFile& output, XmlElement* parent)
{
    bool flag = false;
    float number = 0.0f;
    int whole = 0;
    unsigned count = 0;
    std::string text;
    Vector4 vector;
    Quaternion rotation;
    Matrix4 matrix;
    XmlFile::ReadValue(flag, element);
    XmlFile::ReadValue(number, element);
    XmlFile::ReadValue(whole, element);
    XmlFile::ReadValue(count, element);
    XmlFile::ReadValue(text, element);
    XmlFile::ReadValue(vector, element);
    XmlFile::ReadValue(rotation, element);
    XmlFile::ReadValue(matrix, element);
    XmlFile::FindChildElement(element, "float", XmlFile::FirstAttributeValue(element));

    RoundTrip(flag, output, parent, "bool");
    RoundTrip(number, output, parent, "float");
    RoundTrip(whole, output, parent, "int");
    RoundTrip(count, output, parent, "uint");
    // Text with a NUL inside ends there in any attribute.
    RoundTrip(std::string(text.c_str()), output, parent, "string");
    output.WriteValue(parent, vector, "v");
    output.WriteValue(parent, rotation, "v");
    output.WriteValue(parent, matrix, "v");
}

void Walk(const XmlElement* element, XmlFile& output, XmlElement* parent, int depth)
{
    // Deeper documents only repeat the same reads.
    for (; element && depth < 64; element = element->NextSiblingElement())
    {
        ReadEveryKind(element, output, parent);
        Walk(element->FirstChildElement(), output, parent, depth + 1);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    XmlFile input = XmlFile::FromText(std::string(reinterpret_cast<const char*>(data), size), "fuzzed");
    XmlFile output;
    Walk(input.GetRoot(), output, output.CreateRoot("Fields"), 0);
    return 0;
}
