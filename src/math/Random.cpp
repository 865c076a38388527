#include "math/Random.h"

#include "math/GameConstants.h"

#include <cmath>
#include <cstdlib>

namespace
{
float RandomDegreeAngle()
{
    return RandomUnit() * 360.0f / 180.0f * kGamePi;
}
} // namespace

int Rand15()
{
    // glibc's RAND_MAX is 2^31 - 1; dividing that by 32767 would leave [0, 1] by far.
    return std::rand() & 0x7FFF;
}

float RandomUnit()
{
    return static_cast<float>(Rand15()) / 32767.0f;
}

float RandomRange(float a, float b)
{
    if (a >= b)
        return a;
    return a + static_cast<float>(std::rand() % 10001) * 0.0001f * (b - a);
}

float RandomRangeFine(float a, float b)
{
    return a + RandomUnit() * (b - a);
}

int RandomInt(int a, int b)
{
    // b < a would divide by zero or a negative span.
    if (b < a)
        return a;
    const long long span = static_cast<long long>(b) - a + 1;
    return static_cast<int>(a + std::rand() % span);
}

Vector4 RandomDirection()
{
    const float elevation = RandomDegreeAngle();
    const float heading = RandomDegreeAngle();
    const float ring = std::cos(elevation);
    return {ring * std::cos(heading), std::sin(elevation), ring * std::sin(heading), 0.0f};
}
