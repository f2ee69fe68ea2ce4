#include "random_source.h"

#include "program_error.h"

#include <chrono>

namespace vorn {

void ClockRandom::Randomize() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    engine_.seed(static_cast<std::mt19937::result_type>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

float ClockRandom::Rnd() {
    // 24 random bits scaled by 2^-24: every value is exact in single precision
    // and the largest is 1 - 2^-24, strictly below 1.
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

float ScriptedRandom::Rnd() {
    if (values_.empty()) throw ProgramError(QStringLiteral("ScriptedRandom: sequence exhausted"));
    const float value = values_.front();
    values_.pop_front();
    return value;
}

} // namespace vorn
