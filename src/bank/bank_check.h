#pragma once
// Checks a bank read from a file before it is played: the limits every run
// needs (bank_limits.h), plus what a file can get wrong that the compiled-in
// test cannot, as errors; and, as warnings, what can be played but is
// probably a mistake:
//   errors    an empty question text or option (besides the limits and what
//             reading the file found)
//   warnings  a key that matches no option (never answered right), a key that
//             matches two options, two identical options, a question with no
//             "_" blank in a test of two-part phrases, a picture larger than
//             the window's picture area (it is clipped)

#include "loaded_bank.h"

#include <vector>

namespace vorn {

// The problems of the bank, each with the line of its question where the
// format knows it. A bank that could not be read is not checked further.
std::vector<BankIssue> CheckBank(const LoadedBank& bank);

// All the problems: those found while reading, then those of CheckBank.
std::vector<BankIssue> AllIssues(const LoadedBank& bank);

// Every picture decoded, one at a time and each once, as the window decodes it
// when it is shown: an error for each question whose picture does not decode
// although its header was sound. Too slow for a start with many pictures, so
// for the checker.
std::vector<BankIssue> PictureDecodingIssues(const LoadedBank& bank);

} // namespace vorn
