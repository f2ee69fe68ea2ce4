#include "class_marks.h"

#include "record/student.h"

#include <cmath>

namespace vorn {

namespace {

// The summary of the class spelt `className` (every spelling of it), or of
// everyone when it is empty.
MarkSummary Summary(const QString& className, const std::vector<StudentFigures>& students) {
    MarkSummary summary{.className = className, .students = 0, .average = {}, .counts = {}};
    const QString identity = ClassIdentity(className);
    long long sum = 0;
    for (const StudentFigures& s : students) {
        if (!s.marked || !s.marked->mark ||
            (!className.isEmpty() && ClassIdentity(s.who.className) != identity))
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
    QStringList classes, identities; // the first spelling of each
    for (const StudentFigures& s : students) {
        const QString identity = ClassIdentity(s.who.className);
        if (identities.contains(identity)) continue;
        identities.append(identity);
        classes.append(s.who.className);
    }
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
