#include "student_keys.h"

namespace vorn {

RecordKeys StudentKeys::of(const ResultRecord& record) {
    const auto number = [this](const QString& identity) {
        if (const auto it = students_.constFind(identity); it != students_.cend()) return *it;
        const auto next = static_cast<int>(students_.size());
        students_.insert(identity, next);
        return next;
    };
    if (!record.student) return {.student = number(u'u' + record.run.user), .classIdentity = {}};
    const Student& who = *record.student;
    Spelling spelling{who.name, who.className, who.number, record.knownBy};
    if (const auto it = folded_.constFind(spelling); it != folded_.cend()) return *it;
    // Namesakes chosen from a class list stay two students.
    RecordKeys keys{.student = number(u's' + StudentIdentity(who, record.knownBy)),
                    .classIdentity = ClassIdentity(who.className)};
    if (folded_.size() < kRemembered) folded_.insert(std::move(spelling), keys);
    return keys;
}

} // namespace vorn
