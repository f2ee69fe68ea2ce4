#pragma once
// A fixed row of like controls addressed by slot, 0 first: the option boxes.
// A slot outside the row is a fault of the program, named in the error.

#include "platform/program_error.h"

#include <QString>
#include <array>

namespace vorn {

template <typename T, int N> class ControlRow {
public:
    static constexpr int kSize = N;

    T& operator()(int slot) { return members_[checked(slot)]; }
    const T& operator()(int slot) const { return members_[checked(slot)]; }

    auto begin() { return members_.begin(); }
    auto end() { return members_.end(); }
    auto begin() const { return members_.begin(); }
    auto end() const { return members_.end(); }

private:
    static std::size_t checked(int slot) {
        if (slot < 0 || slot >= N)
            throw ProgramError(QStringLiteral("slot %1 of a row of %2 controls").arg(slot).arg(N));
        return static_cast<std::size_t>(slot);
    }

    std::array<T, N> members_{};
};

} // namespace vorn
