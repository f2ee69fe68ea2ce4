#include "option_orders.h"

#include "platform/program_error.h"

#include <QString>
#include <algorithm>
#include <array>
#include <numeric>

namespace vorn {

std::int32_t Factorial(int k) {
    std::int32_t f = 1;
    for (int i = 2; i <= k; ++i)
        f *= i;
    return f;
}

const std::vector<OptionOrder>& AllOptionOrders(int k) {
    static const std::array<std::vector<OptionOrder>, 6> tables = [] {
        std::array<std::vector<OptionOrder>, 6> result;
        for (int n = 1; n <= 5; ++n) {
            OptionOrder order(static_cast<std::size_t>(n));
            std::iota(order.begin(), order.end(), 1);
            do {
                result[static_cast<std::size_t>(n)].push_back(order);
            } while (std::next_permutation(order.begin(), order.end()));
        }
        return result;
    }();
    if (k < 1 || k > 5)
        throw ProgramError(QStringLiteral("no option orders for %1 options").arg(k));
    return tables[static_cast<std::size_t>(k)];
}

} // namespace vorn
