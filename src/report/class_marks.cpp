#include "class_marks.h"

#include "record/student.h"

#include <cmath>

namespace vorn {

namespace {

// The summary of the students `inClass` takes (by their index), under the
// class's name (empty: everyone).
template <typename InClass>
MarkSummary Summary(const QString& className, const std::vector<StudentFigures>& students,
                    const InClass& inClass) {
    MarkSummary summary{.className = className, .students = 0, .average = {}, .counts = {}};
    long long sum = 0;
    for (std::size_t i = 0; i < students.size(); ++i) {
        const StudentFigures& s = students[i];
        if (!s.marked || !s.marked->mark || !inClass(i)) continue;
        ++summary.students;
        sum += s.marked->mark->hundredths;
        ++summary.counts[static_cast<std::size_t>(s.marked->mark->whole - 2)];
    }
    summary.average = AverageMark(sum, summary.students);
    return summary;
}

} // namespace

MarkSummary SummaryOf(const std::vector<StudentFigures>& students) {
    return Summary({}, students, [](std::size_t) { return true; });
}

std::vector<MarkSummary> ClassSummaries(const std::vector<StudentFigures>& students) {
    // Each student's class folded once: every spelling of a class is one.
    std::vector<QString> identities;
    identities.reserve(students.size());
    QStringList classes, classIdentities; // the first spelling of each
    for (const StudentFigures& s : students) {
        identities.push_back(ClassIdentity(s.who.className));
        if (classIdentities.contains(identities.back())) continue;
        classIdentities.append(identities.back());
        classes.append(s.who.className);
    }
    std::vector<MarkSummary> summaries;
    if (classes.size() < 2) return summaries;
    for (qsizetype c = 0; c < classes.size(); ++c)
        summaries.push_back(Summary(classes[c], students, [&](std::size_t i) {
            return identities[i] == classIdentities[c];
        }));
    return summaries;
}

bool NearBoundary(double percent, double error, const std::array<double, 4>& boundaries) {
    for (const double boundary : boundaries)
        if (std::abs(percent - boundary) <= error) return true;
    return false;
}

} // namespace vorn
