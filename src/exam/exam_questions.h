#pragma once
// What the exam asks before it lets a test go: grading with questions left
// open, and leaving a test that is not graded.

#include <QString>
#include <vector>

namespace vorn {

// "Има 3 въпроса без отговор. Да се оцени ли тестът?" and, on a line of its
// own, the open positions: "Без отговор: 2, 5, 7."
QString UnansweredQuestion(const std::vector<int>& openPositions);

// Leaving before grading: what happens to the answers given so far.
QString StopQuestion(int answered, int positions);

} // namespace vorn
