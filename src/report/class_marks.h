#pragma once
// What a head teacher reads first: per class the students marked, their
// average mark (среден успех) and how many had each mark; and which students
// stand so near where a mark starts that the test cannot tell them from the
// next mark.

#include "results_figures.h"

#include <vector>

namespace vorn {

// Everyone's summary, from each student's mark.
MarkSummary SummaryOf(const std::vector<StudentFigures>& students);

// One summary per class, in the students' order of classes; empty when the
// students are all of one class (everyone's summary says it).
std::vector<MarkSummary> ClassSummaries(const std::vector<StudentFigures>& students);

// Whether `percent` lies within `error` (the test's standard error of
// measurement, in percent) of any of the marks' `boundaries`.
bool NearBoundary(double percent, double error, const std::array<double, 4>& boundaries);

} // namespace vorn
