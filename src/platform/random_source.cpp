#include "random_source.h"

#include "program_error.h"

#include <chrono>

namespace vorn {

void ClockRandom::Randomize() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    seed_ = fixed_.value_or(static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    engine_.seed(seed_);
}

float UnitFloat(std::uint32_t bits) {
    return static_cast<float>(bits >> 8) * (1.0f / 16777216.0f);
}

float ClockRandom::Rnd() {
    return UnitFloat(static_cast<std::uint32_t>(engine_()));
}

float ScriptedRandom::Rnd() {
    if (values_.empty()) throw ProgramError(QStringLiteral("ScriptedRandom: sequence exhausted"));
    const float value = values_.front();
    values_.pop_front();
    return value;
}

} // namespace vorn
