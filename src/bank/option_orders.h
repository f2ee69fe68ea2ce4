#pragma once
// The orders in which a question's k options can stand on the option buttons:
// all k! orders of the option numbers 1..k, ascending ("12", "21" for k = 2).
// A run draws one per question.

#include <cstdint>
#include <vector>

namespace vorn {

// Per slot (0-based), the number (1..k) of the option shown there.
using OptionOrder = std::vector<int>;

// k! = 1 x 2 x ... x k, the number of orders.
std::int32_t Factorial(int k);

// Every order of 1..k in ascending order; k from 1 to 5.
const std::vector<OptionOrder>& AllOptionOrders(int k);

} // namespace vorn
