#pragma once

#include "math/Vector4.h"

#include <cstddef>

/// One particle (a new one: zero vectors, size 1, age 0, lifetime 1), laid out exactly as the vertex buffer
/// reads it (vertex type 2): the first 96 bytes are what the shader sees, the rest is the behaviours' own
/// state, which travels with it so the whole pool is copied to the GPU in one write.
struct Particle
{
    Vector4 position;               ///< world space, w = 1
    Vector4 previousPosition;       ///< before the last move of a moving behaviour
    Vector4 velocity;               ///< set by the burst behaviours
    Vector4 acceleration;           ///< rotated at spawn with "localAccel"; never integrated
    Vector4 colour;                 ///< r, g, b, a
    float size = 1.0f;              ///< world units
    float age = 0.0f;               ///< seconds since spawn
    float lifetime = 1.0f;          ///< seconds; at or below 0.0001 the particle never dies
    float normalisedAge = 0.0f;     ///< age / lifetime
    float startSize = 1.0f;         ///< size at spawn
    Vector4 localPosition;          ///< relative to the owner
    Vector4 startColour;            ///< colour at spawn
    float oscillationTimer = 0.0f;  ///< OscillatorY
    float spiralAngle = 0.0f;       ///< SpiralY, degrees
    float spiralStartHeight = 0.0f; ///< SpiralY
    float spiralRadius = 0.0f;      ///< SpiralY
    float mushroomAngle = 0.0f;     ///< MushroomSpawner, radians
};

static_assert(sizeof(Particle) == 152, "the vertex buffer reads particles as 152-byte records");
static_assert(offsetof(Particle, size) == 80 && offsetof(Particle, localPosition) == 100 &&
                  offsetof(Particle, mushroomAngle) == 148,
              "the vertex layout and the behaviours rely on these offsets");
