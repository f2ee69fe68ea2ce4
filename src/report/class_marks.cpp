#include "class_marks.h"

#include <cmath>

namespace vorn {

namespace {

MarkSummary Summary(const QString& className, const std::vector<StudentFigures>& students) {
    MarkSummary summary{.className = className, .students = 0, .average = {}, .counts = {}};
    long long sum = 0;
    for (const StudentFigures& s : students) {
        if (!s.marked || !s.marked->mark || (!className.isEmpty() && s.who.className != className))
            continue;
        ++summary.students;
        sum += s.marked->mark->hundredths;
        ++summary.counts[static_cast<std::size_t>(s.marked->mark->whole - 2)];
    }
    summary.average = AverageMark(sum, summary.students);
    return summary;
}

} // namespace

MarkSummary SummaryOf(const std::vector<StudentFigures>& students) {
    return Summary({}, students);
}

std::vector<MarkSummary> ClassSummaries(const std::vector<StudentFigures>& students) {
    QStringList classes;
    for (const StudentFigures& s : students)
        if (!classes.contains(s.who.className)) classes.append(s.who.className);
    std::vector<MarkSummary> summaries;
    if (classes.size() < 2) return summaries;
    for (const QString& className : classes)
        summaries.push_back(Summary(className, students));
    return summaries;
}

bool NearBoundary(double percent, double error, const std::array<double, 4>& boundaries) {
    for (const double boundary : boundaries)
        if (std::abs(percent - boundary) <= error) return true;
    return false;
}

} // namespace vorn
