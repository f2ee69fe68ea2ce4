#pragma once
// `vorn-player --print`: variants.pdf, sheets.pdf and key.pdf of a bank.

#include "paper/paper_requests.h"

#include <QTextStream>
#include <cstdint>

namespace vorn {

// The exit status; what went wrong is told on `err`, what was written on `out`.
int PrintCommand(const PrintRequest& request, QTextStream& out, QTextStream& err);

// What a print draws when the request does not fix it: the seed of its
// variants and the number that makes its sheets' ids unique.
struct PrintDraws {
    std::uint32_t seed = 0;
    std::uint32_t printId = 0;
};

// The same with the draws given, as the tests give them.
int PrintCommandWith(const PrintRequest& request, const PrintDraws& draws, QTextStream& out,
                     QTextStream& err);

} // namespace vorn
