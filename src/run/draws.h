#pragma once
// The random draws of the start of a run, each taking the next values of the
// run's one random sequence.

#include "bank/option_orders.h"
#include "platform/random_source.h"

#include <vector>

namespace vorn {

// `count` distinct numbers of 0..pool-1, ascending, each set equally likely
// (selection sampling: the pool is walked in order and each question taken
// with the chance still needed, one value of `random` per question whose
// fate is still open). With count at least pool, all, and nothing taken from
// `random`.
std::vector<int> DrawPoolQuestions(int pool, int count, RandomSource& random);

// The step of the question order: a prime below `count` that does not divide
// it, from 2, 3, 5, .. 31. Not uniform: the value times ten is rounded (ties
// to even) in single precision and folded onto the primes; a divisor is drawn
// again. A count below 3 has no such prime: a programming error.
int DrawOrderStep(int count, RandomSource& random);

// One of the k! option orders: the value times 1000, rounded in single
// precision, modulo k!.
const OptionOrder& DrawOptionOrder(int k, RandomSource& random);

} // namespace vorn
