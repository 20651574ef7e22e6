#pragma once
// Deterministic noise for the textures and the landscapes: integer hashing only,
// so every build writes the same bytes. Functions taking a period repeat after
// that many lattice cells, which makes textures tile without seams.
#include <cstdint>

// A value in [0, 1) for a lattice point.
float latticeValue(int x, int y, std::uint32_t seed);
// Smooth value noise in [0, 1]; lattice cells are one unit wide.
float valueNoise(float x, float y, std::uint32_t seed, int period = 0);
// Sum of `octaves` value noises, each twice as fine and half as strong; in [0, 1].
float fractalNoise(float x, float y, int octaves, std::uint32_t seed, int period = 0);

// Sharp crests where value noise crosses its middle, summed over octaves like
// fractalNoise; in [0, 1]. Mountain ridges and crags.
float ridgedNoise(float x, float y, int octaves, std::uint32_t seed);

// Cells around scattered points (one per lattice cell): the distances to the
// nearest and second nearest point, and an id of the nearest one.
struct CellDistances {
    float nearest = 0, second = 0;
    std::uint32_t id = 0;
};
CellDistances cellNoise(float x, float y, std::uint32_t seed, int periodX, int periodY);
