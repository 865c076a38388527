#include "math/Vector4.h"

namespace
{
constexpr float kMinNormalizeLength = 0.0001f;
}

Vector4& Vector4::Normalize()
{
    const float length = Length();
    if (length < kMinNormalizeLength || !std::isfinite(length))
        return *this;
    return *this = *this / length;
}

Vector4 Vector4::Normalized() const
{
    Vector4 copy = *this;
    return copy.Normalize();
}
