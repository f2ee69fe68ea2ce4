#pragma once
// Who a record is, as the report tells students apart: "8А" and " 8a" are one
// class, "иван иванов" and "Иван Иванов" one student (StudentIdentity), but
// namesakes chosen from a class list are told apart by number; a
// record without a student is its login's, which is no student's name.
// Folding a name costs more than the rest of a record's tally, and the same
// students come back record after record, so each spelling is folded once,
// and a student is a small number from then on.

#include "record/result_record.h"

#include <QHash>
#include <string_view>

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
        // Not Qt's string hash (SipHash): every record asks, and it cost
        // more than the rest of a record's tally.
        friend size_t qHash(const Spelling& s, size_t seed = 0) {
            const auto hash = [](const QString& text) {
                return std::hash<std::u16string_view>{}(
                    {reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())});
            };
            return qHashMulti(seed, hash(s.name), hash(s.className), hash(s.number),
                              s.knownBy == KnownBy::Number);
        }
    };
    QHash<Spelling, RecordKeys> folded_;
    // Each student's identity and its number: as many as there are students.
    QHash<QString, int> students_;
};

} // namespace vorn
