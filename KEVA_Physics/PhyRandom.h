#pragma once
// The program's one random generator, used like the run-time library's
// Random and Randomize: every scene build seeds it, the physics layer draws
// spins, jitter and colours from it.
#include <cstdint>

// Seeds the generator from the clock, or with the seed fixed by FIXRANDOMSEED.
void RANDOMIZE();
// From now on RANDOMIZE seeds with `seed`, so that runs repeat exactly (the
// scene runner's --seed).
void FIXRANDOMSEED(std::uint32_t seed);
// Seeds the generator with a fixed value (repeatable runs).
void RANDOMSEED(std::uint32_t seed);
// A uniform integer in 0 … n − 1; 0 when n ≤ 0.
std::int32_t RANDOM(std::int32_t n);
// A uniform number in [0, 1).
double RANDOM();
