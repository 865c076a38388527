#pragma once

#include "graphics/ImageFile.h"

#include <functional>
#include <string>
#include <vector>

/// A colour with alpha, components in [0, 1].
struct Rgba
{
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 1.0f;
};

/// Linear blend of two colours (alpha included).
Rgba Mix(const Rgba& a, const Rgba& b, float t);
/// Clamps to [0, 1].
float Saturate(float x);
/// 0 below `edge0`, 1 above `edge1`, smooth in between.
float SmoothStep(float edge0, float edge1, float x);

/// A float image being painted by a texture recipe.
class Canvas
{
  public:
    Canvas(int width, int height)
        : m_width(width), m_height(height), m_pixels(static_cast<size_t>(width * height))
    {
    }

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    Rgba& At(int x, int y)
    {
        return m_pixels[static_cast<size_t>(Wrap(y, m_height) * m_width + Wrap(x, m_width))];
    }
    const Rgba& At(int x, int y) const
    {
        return m_pixels[static_cast<size_t>(Wrap(y, m_height) * m_width + Wrap(x, m_width))];
    }
    /// Paints every pixel with `paint(u, v)`, u and v in [0, 1) from the top-left corner.
    void Fill(const std::function<Rgba(float u, float v)>& paint);
    /// The 8-bit image.
    DecodedImage ToImage() const;

  private:
    static int Wrap(int value, int period) { return ((value % period) + period) % period; }

    int m_width;
    int m_height;
    std::vector<Rgba> m_pixels;
};

/// A tangent-space normal map of a wrapping height field (heights in the red channel, 0..1):
/// x right and y down in the image, as the engine's tangent and binormal run.
Canvas NormalMapFromHeight(const Canvas& height, float strength);
