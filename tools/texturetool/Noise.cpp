#include "Noise.h"

#include <cmath>

namespace
{
int Wrap(int value, int period)
{
    const int r = value % period;
    return r < 0 ? r + period : r;
}

float Smooth(float t)
{
    return t * t * (3.0f - 2.0f * t);
}
} // namespace

float Noise::Hash(int x, int y, uint32_t salt) const
{
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 m_seed * 2246822519u + salt * 3266489917u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<float>(h & 0xFFFFFFu) / 16777216.0f;
}

float Noise::Value(float x, float y, int periodX, int periodY) const
{
    const float fx = std::floor(x), fy = std::floor(y);
    const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
    const float tx = Smooth(x - fx), ty = Smooth(y - fy);
    auto at = [&](int dx, int dy) { return Hash(Wrap(x0 + dx, periodX), Wrap(y0 + dy, periodY)); };
    const float top = at(0, 0) + (at(1, 0) - at(0, 0)) * tx;
    const float bottom = at(0, 1) + (at(1, 1) - at(0, 1)) * tx;
    return top + (bottom - top) * ty;
}

float Noise::Fbm(float x, float y, int periodX, int periodY, int octaves) const
{
    float sum = 0.0f, weight = 0.5f, total = 0.0f;
    for (int i = 0; i < octaves; ++i)
    {
        sum += Value(x, y, periodX, periodY) * weight;
        total += weight;
        x *= 2.0f;
        y *= 2.0f;
        periodX *= 2;
        periodY *= 2;
        weight *= 0.5f;
    }
    return sum / total;
}

std::pair<float, float> Noise::Cells(float x, float y, int periodX, int periodY) const
{
    const int cx = static_cast<int>(std::floor(x)), cy = static_cast<int>(std::floor(y));
    float nearest = 10.0f, second = 10.0f;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
        {
            const int gx = cx + dx, gy = cy + dy;
            const float px = static_cast<float>(gx) + Hash(Wrap(gx, periodX), Wrap(gy, periodY), 1);
            const float py = static_cast<float>(gy) + Hash(Wrap(gx, periodX), Wrap(gy, periodY), 2);
            const float d = std::hypot(px - x, py - y);
            if (d < nearest)
                second = nearest, nearest = d;
            else if (d < second)
                second = d;
        }
    return {nearest, second};
}
