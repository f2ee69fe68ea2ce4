#pragma once
// The one source of chance of the synthetic scans: a seeded std::mt19937, so
// that each sample is made again identically from its seed. The helpers map
// its raw numbers themselves (the standard distributions differ between
// libraries).

#include <cstdint>
#include <random>

namespace vorn::test {

class SyntheticRandom {
public:
    explicit SyntheticRandom(std::uint32_t seed) : engine_(seed) {}

    std::uint32_t Bits() { return engine_(); }
    // Uniform in [low, high).
    double Uniform(double low, double high) {
        return low + (high - low) * (static_cast<double>(engine_()) / 4294967296.0);
    }
    // Uniform in 0..count-1.
    int Below(int count) { return static_cast<int>(Uniform(0, static_cast<double>(count))); }
    bool Chance(double probability) { return Uniform(0, 1) < probability; }

private:
    std::mt19937 engine_;
};

} // namespace vorn::test
