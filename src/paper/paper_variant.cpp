#include "paper_variant.h"

#include "platform/random_source.h"

#include <stdexcept>

namespace vorn {

std::uint32_t VariantSeed(std::uint32_t printSeed, int number) {
    // Consecutive seeds start unrelated sequences of the generator.
    return printSeed + static_cast<std::uint32_t>(number - 1);
}

Attempt VariantRun(const BankContent& bank, std::uint32_t seed) {
    ClockRandom random(seed);
    random.Randomize();
    return Attempt::Start(bank, random);
}

std::vector<PaperVariant> DrawVariants(const BankContent& bank, std::uint32_t printSeed,
                                       int count) {
    std::vector<PaperVariant> variants;
    variants.reserve(static_cast<std::size_t>(count));
    for (int number = 1; number <= count; ++number) {
        const std::uint32_t seed = VariantSeed(printSeed, number);
        variants.push_back({number, seed, VariantRun(bank, seed)});
    }
    return variants;
}

QChar SlotLetter(int slot) {
    if (slot < 0 || slot >= 5) throw std::out_of_range("SlotLetter: no such slot");
    return QChar(u'A' + slot);
}

} // namespace vorn
