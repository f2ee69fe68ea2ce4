// Locking and opening the shipped test, pictures inside, with the key
// derivation the player uses (locked_bank.h): RUNS times each (5 by default).
// Prints the fastest and slowest time of each, on the clock and in processor
// time; the key's derivation is almost all of it. A student waits this long
// after typing the password, once per try.

#include "bank/bank_bundle.h"
#include "bank/locked_bank.h"
#include "shipped/shipped_bank.h"

#include "processor_time.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace vorn;

namespace {

template <class Work> void Measure(const char* what, int runs, Work work) {
    std::vector<double> wall, cpu;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        const double before = bench::ProcessorMs();
        work();
        cpu.push_back(bench::ProcessorMs() - before);
        wall.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::printf(
        "%-8s clock %.0f-%.0f ms, processor %.0f-%.0f ms (%d runs)\n", what,
        *std::min_element(wall.begin(), wall.end()), *std::max_element(wall.begin(), wall.end()),
        *std::min_element(cpu.begin(), cpu.end()), *std::max_element(cpu.begin(), cpu.end()), runs);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const QByteArray plain = BundleBank(ShippedBank());
    const SecretBytes password = SecretBytes::FromPassword(QStringLiteral("звезда-и-луна"));
    const KeyDerivation kdf = DefaultKeyDerivation();
    std::printf("Argon2id, %u passes over %u MiB; the bank %lld bytes with its pictures\n",
                kdf.passes, kdf.memoryKiB / 1024, static_cast<long long>(plain.size()));
    QByteArray locked;
    Measure("lock", runs, [&] { locked = LockBank(plain, password); });
    bool opened = true;
    Measure("open", runs, [&] {
        opened = opened && std::holds_alternative<SecretBytes>(UnlockBank(locked, password));
    });
    return opened ? 0 : 1;
}
