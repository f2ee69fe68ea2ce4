#include "student_keys.h"

namespace vorn {

RecordKeys StudentKeys::of(const ResultRecord& record) {
    if (!record.student) return {.student = u'u' + record.run.user, .classIdentity = {}};
    const Student& who = *record.student;
    Spelling spelling{who.name, who.className, who.number, record.knownBy};
    if (const auto it = folded_.constFind(spelling); it != folded_.cend()) return *it;
    // Namesakes chosen from a class list stay two students.
    RecordKeys keys{.student = u's' + StudentIdentity(who, record.knownBy),
                    .classIdentity = ClassIdentity(who.className)};
    if (folded_.size() < kRemembered) folded_.insert(std::move(spelling), keys);
    return keys;
}

} // namespace vorn
