#pragma once
// Who a record is, as the report tells students apart: "8А" and " 8a" are one
// class, "иван иванов" and "Иван Иванов" one student (StudentIdentity), but
// namesakes chosen from a class list are told apart by number; a
// record without a student is its login's, which is no student's name.
// Folding a name costs more than the rest of a record's tally, and the same
// students come back record after record, so each spelling is folded once,
// and a student is a small number from then on.

#include "platform/text.h"
#include "record/result_record.h"

#include <QHash>

namespace vorn {

struct RecordKeys {
    int student = 0;       // one per student, never a student's and a login's alike; from 0 up
    QString classIdentity; // empty without a student
};

class StudentKeys {
public:
    RecordKeys of(const ResultRecord& record);

    // Spellings remembered at most: a file of ever new names is folded anew
    // past them, so that memory follows the students, not the records.
    static constexpr qsizetype kRemembered = 100'000;

private:
    struct Spelling {
        QString name, className, number;
        KnownBy knownBy = KnownBy::Name;
        bool operator==(const Spelling&) const = default;
        friend size_t qHash(const Spelling& s, size_t seed = 0) {
            return qHashMulti(seed, QuickHash(s.name), QuickHash(s.className), QuickHash(s.number),
                              s.knownBy == KnownBy::Number);
        }
    };
    QHash<Spelling, RecordKeys> folded_;
    // Each student's identity and its number: as many as there are students.
    QHash<QString, int> students_;
};

} // namespace vorn
