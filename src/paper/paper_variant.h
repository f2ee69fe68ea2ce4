#pragma once
// A paper variant: a run drawn as the window draws one, from a seed, so that
// the variant can be printed again identically and a scanned sheet played
// back into exactly the run its student saw.

#include "bank/bank_content.h"
#include "run/attempt.h"

#include <cstdint>
#include <vector>

namespace vorn {

struct PaperVariant {
    int number = 0; // 1-based
    std::uint32_t seed = 0;
    Attempt run; // not yet answered
};

// The seed of variant `number` (1-based) of a print seeded with `printSeed`.
std::uint32_t VariantSeed(std::uint32_t printSeed, int number);

// The run of one seed: what the window would start with that seed.
Attempt VariantRun(const BankContent& bank, std::uint32_t seed);

// Variants 1..count of one print.
std::vector<PaperVariant> DrawVariants(const BankContent& bank, std::uint32_t printSeed, int count);

// The letter of slot `slot` (0-based): "A" to "E".
QChar SlotLetter(int slot);

} // namespace vorn
