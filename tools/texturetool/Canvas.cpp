#include "Canvas.h"

#include <algorithm>
#include <cmath>

Rgba Mix(const Rgba& a, const Rgba& b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

float Saturate(float x)
{
    return std::clamp(x, 0.0f, 1.0f);
}

float SmoothStep(float edge0, float edge1, float x)
{
    const float t = Saturate((x - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

void Canvas::Fill(const std::function<Rgba(float u, float v)>& paint)
{
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            At(x, y) = paint((static_cast<float>(x) + 0.5f) / static_cast<float>(m_width),
                             (static_cast<float>(y) + 0.5f) / static_cast<float>(m_height));
}

DecodedImage Canvas::ToImage() const
{
    DecodedImage image;
    image.width = m_width;
    image.height = m_height;
    image.rgba.reserve(m_pixels.size() * 4);
    for (const Rgba& p : m_pixels)
        for (float c : {p.r, p.g, p.b, p.a})
            image.rgba.push_back(static_cast<unsigned char>(std::lround(Saturate(c) * 255.0f)));
    return image;
}

Canvas NormalMapFromHeight(const Canvas& height, float strength)
{
    Canvas normals(height.Width(), height.Height());
    for (int y = 0; y < height.Height(); ++y)
        for (int x = 0; x < height.Width(); ++x)
        {
            // Height rises to the right: the surface leans back, its normal points left.
            const float dx = (height.At(x + 1, y).r - height.At(x - 1, y).r) * 0.5f * strength;
            const float dy = (height.At(x, y + 1).r - height.At(x, y - 1).r) * 0.5f * strength;
            const float length = std::sqrt(dx * dx + dy * dy + 1.0f);
            normals.At(x, y) = {(-dx / length) * 0.5f + 0.5f, (-dy / length) * 0.5f + 0.5f,
                                0.5f / length + 0.5f, 1.0f};
        }
    return normals;
}
