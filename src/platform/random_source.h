#pragma once
// The one pseudo-random sequence of a run: single-precision values r with
// 0 <= r < 1. The program seeds it from the clock; tests feed exact values.

#include <cstdint>
#include <deque>
#include <optional>
#include <random>

namespace vorn {

// 24 random bits as a value in [0, 1): every result is exact in single
// precision and the largest, 1 - 2^-24, stays strictly below 1.
float UnitFloat(std::uint32_t bits);

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Randomize() = 0; // seed from the system clock
    virtual float Rnd() = 0;      // the next value of the sequence
};

// Seeded from the clock, or from a fixed seed so that a run can be played
// again with the same draws.
class ClockRandom : public RandomSource {
public:
    ClockRandom() = default;
    explicit ClockRandom(std::optional<std::uint32_t> fixedSeed) : fixed_(fixedSeed) {}

    void Randomize() override; // the fixed seed, else the clock
    float Rnd() override;
    std::uint32_t seed() const { return seed_; } // the seed the sequence started from

private:
    std::optional<std::uint32_t> fixed_;
    std::uint32_t seed_ = 0;
    std::mt19937 engine_{0};
};

// Hands out exactly the values it was given, in order; running out is a
// programming error in the test that fed it.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::initializer_list<float> values) : values_(values) {}

    void Randomize() override {}
    float Rnd() override;
    void push(float value) { values_.push_back(value); }
    std::size_t remaining() const { return values_.size(); }

private:
    std::deque<float> values_;
};

} // namespace vorn
