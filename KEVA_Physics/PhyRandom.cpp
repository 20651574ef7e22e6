// The program's random generator.
#include "KEVA_Physics/PhyRandom.h"

#include <chrono>
#include <optional>
#include <random>

namespace {

std::mt19937& generator() {
    static std::mt19937 engine(5489u);
    return engine;
}

std::optional<std::uint32_t> fixedSeed;

}  // namespace

void RANDOMIZE() {
    if (fixedSeed) return RANDOMSEED(*fixedSeed);
    RANDOMSEED(static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

void FIXRANDOMSEED(std::uint32_t seed) {
    fixedSeed = seed;
}

void RANDOMSEED(std::uint32_t seed) {
    generator().seed(seed);
}

std::int32_t RANDOM(std::int32_t n) {
    if (n <= 0) return 0;
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator());
}

double RANDOM() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator());
}
