#pragma once
// Scoring the records of one bank again, without changing them: against the
// keys of a corrected bank, and without the questions a teacher voids.
//
// A corrected bank may differ from the records' one only in its keys,
// explanations, the spelling of its texts and the order of its questions.
// A record's question is found in it by its id, else by its number; its
// options by their texts (spaces aside): the record's key and every chosen
// option must be among them. A bank with another number of questions, or a
// question or option that cannot be found, is not a correction of the
// records' bank, and the reason is told. Each attempt is marked again from
// the option chosen against the corrected key; a voided question, and the
// "Тото" copy of it, counts in no score and no total.

#include "bank/bank_content.h"
#include "record/result_record.h"

#include <QStringList>
#include <map>
#include <variant>
#include <vector>

namespace vorn {

struct VoidedQuestion {
    int number = 0; // in the records
    QString id;     // its id, or its number
};

struct KeyChange {
    int number = 0; // in the records
    QString was, now;
};

class Remarking {
public:
    // For the records of the bank `first` is a record of: `corrected` may be
    // null (only voids); `voided` holds question ids or numbers. The reason
    // when `corrected` cannot be a correction of that bank, as `first` shows.
    static std::variant<Remarking, QString>
    Of(const ResultRecord& first, const BankContent* corrected, const QStringList& voided);

    // The record scored again, or why one of its questions or options cannot
    // be found in the corrected bank (Bulgarian).
    std::variant<ResultRecord, QString> applied(const ResultRecord& record);

    // Whether the question of that id (empty: none) and number is voided.
    bool voids(const QString& id, int number) const;

    // The corrected bank's question for a record's question number, once a
    // record has named it; null without a corrected bank.
    const Question* questionOf(int number) const;

    bool corrects() const { return corrected_ != nullptr; }
    // Keys that differ from the records', by the records' numbers.
    std::vector<KeyChange> keyChanges() const;
    // The records' questions left out, by their numbers.
    std::vector<VoidedQuestion> voidedSeen() const;

private:
    Remarking(const BankContent* corrected, QStringList voided)
        : corrected_(corrected), voided_(std::move(voided)) {}
    // The corrected question of `answer`, checked against its texts.
    std::variant<const Question*, QString> matched(const AnswerRecord& answer);
    // Scores `answer` against its corrected key; why, when it cannot be.
    std::optional<QString> remark(AnswerRecord& answer);

    const BankContent* corrected_ = nullptr;
    QStringList voided_;
    std::map<int, int> byNumber_;         // records' number: the corrected question's index
    std::map<int, QString> recordedKeys_; // records' number: the key the records give
    std::map<int, QString> voidedSeen_;   // records' number: its id
};

} // namespace vorn
