#pragma once

#include <cstdint>
#include <utility>

/// Tileable procedural noise for generated textures: every function repeats after its period,
/// so the textures wrap without seams.
class Noise
{
  public:
    explicit Noise(uint32_t seed) : m_seed(seed) {}

    /// Smooth value noise in [0, 1] at (x, y), repeating every periodX by periodY units.
    float Value(float x, float y, int periodX, int periodY) const;
    /// Fractal sum of `octaves` layers of Value, each twice as fine and half as strong, in [0, 1].
    float Fbm(float x, float y, int periodX, int periodY, int octaves) const;
    /// Distances to the nearest and the second-nearest point of a jittered grid of cells (one
    /// point per unit cell), repeating every periodX by periodY cells.
    std::pair<float, float> Cells(float x, float y, int periodX, int periodY) const;
    /// A pseudo-random number in [0, 1) for the lattice point (x, y).
    float Hash(int x, int y, uint32_t salt = 0) const;

  private:
    uint32_t m_seed;
};
