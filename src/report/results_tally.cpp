#include "results_tally.h"

#include "bank/bank_fingerprint.h"
#include "class_marks.h"
#include "question_flags.h"
#include "remarking.h"
#include "student_flags.h"

#include <QCollator>
#include <QHash>
#include <algorithm>

namespace vorn {

namespace {

// Where an attempt stands among a student's attempts on a bank.
struct AttemptOrder {
    std::optional<int> attempt;
    QDateTime time;
    qint64 sequence = 0; // the order the records were read in

    bool before(const AttemptOrder& other) const {
        if (attempt && other.attempt && *attempt != *other.attempt)
            return *attempt < *other.attempt;
        if (time != other.time) return time < other.time;
        return sequence < other.sequence;
    }
};

struct StudentState {
    Student who;
    int attempts = 0;
    int abandoned = 0;
    AttemptOrder firstOrder, lastOrder;
    AttemptFigures first, last;
    // The first finished attempt: its answers for the statistics, its figures
    // for the marks.
    std::optional<AttemptOrder> finishedOrder;
    ScoredAttempt finished;
    AttemptFigures finishedFigures;
    StudentRecordChecks checks;
};

constexpr qsizetype kScannedOptions = 8;
// Storages remembered per question: each reading thread keeps one copy of a
// text, so a few per option.
constexpr std::size_t kHeldStorages = 16;

struct QuestionState {
    int number = 0;
    QString id;
    QString text;
    QStringList options; // the key first
    QHash<QString, int> optionIndex;
    // Texts met before, held, with the option each is: a text in the storage
    // of one is that option (InHeldStorage).
    std::vector<std::pair<QString, int>> heldTexts;

    int optionOf(const QString& text) {
        for (const auto& [held, option] : heldTexts)
            if (InHeldStorage(held, text)) return option;
        const int option = lookUp(text);
        if (heldTexts.size() < kHeldStorages) heldTexts.emplace_back(text, option);
        return option;
    }

    int lookUp(const QString& text) {
        // Most questions have a handful of options: a look at each is faster than a hash.
        if (options.size() <= kScannedOptions) {
            for (qsizetype i = 0; i < options.size(); ++i)
                if (options[i].size() == text.size() && options[i] == text)
                    return static_cast<int>(i);
        } else if (const auto it = optionIndex.constFind(text); it != optionIndex.cend()) {
            return *it;
        }
        const auto index = static_cast<int>(options.size());
        options.append(text);
        if (options.size() == kScannedOptions + 1)
            for (qsizetype i = 0; i < options.size(); ++i)
                optionIndex.insert(options[i], static_cast<int>(i));
        else if (options.size() > kScannedOptions + 1)
            optionIndex.insert(text, index);
        return index;
    }
};

bool Answered(const AnswerRecord& answer) {
    return answer.chosen && !answer.chosen->isEmpty();
}

// Who the record names, the class spelt as its first record spells it, so
// that all its rows and its summary agree.
Student WhoOf(const ResultRecord& record, const QHash<QString, QString>& classSpellings) {
    if (!record.student) return Student{record.run.user, {}, {}};
    Student who = *record.student;
    who.className = classSpellings.value(ClassIdentity(who.className), who.className);
    return who;
}

std::optional<bool> CheckAgrees(const ResultRecord& record) {
    if (!record.check) return std::nullopt;
    for (const AnswerRecord& answer : record.questions)
        if (answer.number == record.check->number)
            return Answered(answer) == Answered(*record.check) &&
                   (!Answered(answer) || *answer.chosen == *record.check->chosen);
    return std::nullopt;
}

AttemptFigures AttemptOf(const ResultRecord& record, const ReportSettings& settings) {
    const bool marked = !record.abandoned || settings.countAbandoned;
    return {.grade = record.grade,
            .mark = marked ? std::optional<Mark>(
                                 MarkOf(record.grade.score, record.grade.total, settings.marks))
                           : std::nullopt,
            .time = record.time,
            .abandoned = record.abandoned,
            .checkAgrees = CheckAgrees(record),
            .user = record.run.user,
            .host = record.run.host};
}

// The k-th smallest percentage (0-based) of a histogram of percentages.
int NthPercent(const std::array<int, 101>& counts, int k) {
    for (int percent = 0; percent <= 100; ++percent) {
        k -= counts[static_cast<std::size_t>(percent)];
        if (k < 0) return percent;
    }
    return 100;
}

} // namespace

struct ResultsTally::Bank {
    QString title, sha256;
    bool known = false; // the settings' bank: its questions and options are all known
    bool countAbandoned = false;
    // Scores the records again: a corrected bank's keys, voided questions.
    std::optional<Remarking> remarking;
    QString mismatch; // why the settings' bank is not this one's correction
    int attempts = 0; // counted: finished, or every one when abandoned ones count
    int abandoned = 0;
    std::array<int, 101> percents{};
    QHash<int, StudentState> students; // by StudentKeys' number
    RecordFiles files;                 // its records were read from
    std::vector<QuestionState> questions;
    std::vector<int> byNumber; // a question's index by its number; -1: not seen yet

    // What the report shows of this bank: the spread of percentages, the
    // students in class order, and the questions, the hardest first.
    BankFigures figures(const QCollator& collator, const MarkScale& marks) const;
    void addPercentFigures(BankFigures& f) const;
    // The students' lines; the first finished attempt of each, for the items.
    std::vector<ScoredAttempt> addStudentFigures(const QCollator& collator, BankFigures& f) const;
    void addQuestionFigures(const std::vector<ScoredAttempt>& finished, BankFigures& f) const;

    // Within one fingerprint a number always names the same question, so the
    // number finds it without comparing texts; its id is the first one seen.
    int questionOf(const QString& id, int number, const QString& key) {
        const auto n = static_cast<std::size_t>(number);
        if (n >= byNumber.size()) byNumber.resize(n + 1, -1);
        if (byNumber[n] >= 0) return byNumber[n];
        const auto index = byNumber[n] = static_cast<int>(questions.size());
        questions.push_back({.number = number,
                             .id = id,
                             .text = {},
                             .options = {},
                             .optionIndex = {},
                             .heldTexts = {}});
        QuestionState& q = questions.back();
        q.optionOf(key);
        // A corrected bank gives the question's text and every option.
        if (const Question* corrected = remarking ? remarking->questionOf(number) : nullptr) {
            q.text = corrected->text;
            for (const QString& option : corrected->options)
                q.optionOf(option);
        }
        return index;
    }

    // The record's answers by the indices of their questions and options;
    // every question and option it names is known from then on.
    ScoredAttempt scored(const ResultRecord& record, bool keep) {
        ScoredAttempt attempt;
        if (keep) attempt.reserve(record.questions.size());
        for (const AnswerRecord& answer : record.questions) {
            const int index = questionOf(answer.id, answer.number, answer.key);
            QuestionState& q = questions[static_cast<std::size_t>(index)];
            // The key is the first option.
            const int option = !Answered(answer) ? kUnanswered
                               : answer.right    ? 0
                                                 : q.optionOf(*answer.chosen);
            if (keep)
                attempt.push_back({.question = index, .option = option, .right = answer.right});
        }
        return attempt;
    }
};

ResultsTally::ResultsTally(ReportSettings settings) : settings_(std::move(settings)) {
    if (settings_.bank) givenSha256_ = BankSha256(*settings_.bank);
    if (!settings_.className.isEmpty()) givenClass_ = ClassIdentity(settings_.className);
}

ResultsTally::~ResultsTally() = default;

QStringList ResultsTally::bankMismatches() const {
    QStringList reasons;
    for (const std::unique_ptr<Bank>& bank : banks_)
        if (!bank->mismatch.isEmpty()) reasons.append(bank->mismatch);
    return reasons;
}

bool ResultsTally::bankMatched() const {
    return std::any_of(banks_.begin(), banks_.end(),
                       [](const std::unique_ptr<Bank>& bank) { return bank->known; });
}

ResultsTally::Bank& ResultsTally::bankOf(const ResultRecord& record) {
    for (const std::unique_ptr<Bank>& bank : banks_)
        if (bank->sha256 == record.run.bankSha256) return *bank;
    auto bank = std::make_unique<Bank>();
    bank->title = record.bankTitle;
    bank->sha256 = record.run.bankSha256;
    bank->countAbandoned = settings_.countAbandoned;
    const bool given = settings_.bank && bank->sha256 == givenSha256_;
    if (settings_.bank && !given) {
        auto remarking = Remarking::Of(record, &*settings_.bank, settings_.voided);
        if (auto* why = std::get_if<QString>(&remarking)) {
            bank->mismatch = *why;
        } else {
            bank->remarking = std::move(std::get<Remarking>(remarking));
            bank->known = true;
        }
    }
    if (!bank->remarking && !settings_.voided.isEmpty())
        bank->remarking = std::get<Remarking>(Remarking::Of(record, nullptr, settings_.voided));
    if (given) {
        bank->known = true;
        int number = 0;
        for (const Question& question : settings_.bank->questions) {
            ++number;
            if (bank->remarking && bank->remarking->voids(question.id, number)) continue;
            QuestionState& q = bank->questions[static_cast<std::size_t>(
                bank->questionOf(QuestionIdOr(question.id, number), number, question.key))];
            q.text = question.text;
            for (const QString& option : question.options)
                q.optionOf(option);
        }
    }
    banks_.push_back(std::move(bank));
    return *banks_.back();
}

void ResultsTally::add(const ResultRecord& record, const RecordPlace& place) {
    const RecordKeys keys = studentKeys_.of(record);
    const QString& classIdentity = keys.classIdentity;
    const bool counts = givenClass_.isEmpty() || (record.student && classIdentity == givenClass_);
    // Every counted class needs its spelling; the others are only listed.
    if (record.student && !classSpellings_.contains(classIdentity) &&
        (counts || classSpellings_.size() < kMaxClassesSeen))
        classSpellings_.insert(classIdentity, record.student->className.trimmed());
    if (!counts) return;
    ++counted_;
    Bank& bank = bankOf(record);
    if (!bank.remarking) return addTo(bank, record, keys.student, place);
    auto remarked = bank.remarking->applied(record);
    if (const auto* why = std::get_if<QString>(&remarked)) {
        if (!refusal_) refusal_ = *why;
        return;
    }
    addTo(bank, std::get<ResultRecord>(remarked), keys.student, place);
}

void ResultsTally::addTo(Bank& bank, const ResultRecord& record, int studentKey,
                         const RecordPlace& place) {
    const bool counts = !record.abandoned || settings_.countAbandoned;
    bank.abandoned += record.abandoned ? 1 : 0;
    if (counts) {
        ++bank.attempts;
        ++bank.percents[static_cast<std::size_t>(std::clamp(record.grade.percent, 0, 100))];
    }

    const AttemptOrder order{record.attempt, record.run.time, sequence_++};
    StudentState& student = bank.students[studentKey];
    const bool firstSeen = student.attempts++ == 0;
    student.abandoned += record.abandoned ? 1 : 0;
    if (firstSeen) student.who = WhoOf(record, classSpellings_);
    const int file = bank.files.numberOf(place.file);
    student.checks.add(record, place, file);
    if (place.sealed) bank.files.setSealed(file);
    // A number left out one time and given the next is still the student's.
    if (student.who.number.isEmpty() && record.student) student.who.number = record.student->number;
    if (firstSeen || order.before(student.firstOrder)) {
        student.firstOrder = order;
        student.first = AttemptOf(record, settings_);
    }
    if (firstSeen || student.lastOrder.before(order)) {
        student.lastOrder = order;
        student.last = AttemptOf(record, settings_);
    }
    // Every record names its questions and chosen options, finished or not.
    const bool firstFinished =
        counts && (!student.finishedOrder || order.before(*student.finishedOrder));
    ScoredAttempt scored = bank.scored(record, firstFinished);
    if (firstFinished) {
        student.finishedOrder = order;
        student.finished = std::move(scored);
        student.finishedFigures = AttemptOf(record, settings_);
    }
}

void ResultsTally::Bank::addPercentFigures(BankFigures& f) const {
    long long sum = 0;
    for (int percent = 0; percent <= 100; ++percent) {
        const int count = percents[static_cast<std::size_t>(percent)];
        sum += 1LL * percent * count;
        f.bands[static_cast<std::size_t>(std::min(percent / 10, 10))] += count;
    }
    if (attempts == 0) return; // every attempt abandoned
    // sum / attempts in tenths: the share of sum in 100 × attempts.
    f.meanTenths = ShareTenths(static_cast<int>(sum), 100 * attempts);
    f.medianTenths =
        (NthPercent(percents, (attempts - 1) / 2) + NthPercent(percents, attempts / 2)) * 5;
}

std::vector<ScoredAttempt> ResultsTally::Bank::addStudentFigures(const QCollator& collator,
                                                                 BankFigures& f) const {
    // By class, number and name; each text's sort key is made once, as a
    // comparison of two texts costs about as much as a key. A class and a
    // number are shared by many students: their keys are made once for all.
    struct Keyed {
        const StudentState* student;
        QCollatorSortKey className, number, name;
    };
    QHash<QString, QCollatorSortKey> shared;
    const auto sharedKey = [&](const QString& text) {
        if (const auto it = shared.constFind(text); it != shared.cend()) return *it;
        return *shared.insert(text, collator.sortKey(text));
    };
    std::vector<Keyed> ordered;
    ordered.reserve(students.size());
    for (const StudentState& s : students)
        ordered.push_back({&s, sharedKey(s.who.className), sharedKey(s.who.number),
                           collator.sortKey(s.who.name)});
    std::sort(ordered.begin(), ordered.end(), [](const Keyed& a, const Keyed& b) {
        for (const auto key : {&Keyed::className, &Keyed::number, &Keyed::name})
            if (const int order = (a.*key).compare(b.*key)) return order < 0;
        return false;
    });
    std::vector<ScoredAttempt> finished;
    finished.reserve(ordered.size());
    f.students.reserve(f.students.size() + ordered.size());
    for (const Keyed& keyed : ordered) {
        const StudentState* student = keyed.student;
        f.students.push_back(
            {.who = student->who,
             .attempts = student->attempts,
             .first = student->first,
             .last = student->attempts > 1 ? std::optional<AttemptFigures>(student->last)
                                           : std::nullopt,
             .abandoned = student->abandoned,
             .marked = student->finishedOrder
                           ? std::optional<AttemptFigures>(student->finishedFigures)
                           : std::nullopt,
             .nearBoundary = false,
             .flags = student->checks.flags(files)});
        if (student->finishedOrder) finished.push_back(student->finished);
    }
    return finished;
}

void ResultsTally::Bank::addQuestionFigures(const std::vector<ScoredAttempt>& finished,
                                            BankFigures& f) const {
    std::vector<int> optionCounts;
    for (const QuestionState& q : questions)
        optionCounts.push_back(static_cast<int>(q.options.size()));
    const ItemAnalysis analysis = AnalyseItems(finished, optionCounts);
    f.test = analysis.test;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const QuestionState& q = questions[i];
        QuestionFigures question{.number = q.number,
                                 .id = q.id,
                                 .text = q.text,
                                 .key = q.options.front(),
                                 .statistics = analysis.items[i],
                                 .options = {},
                                 .flags = {}};
        for (qsizetype o = 0; o < q.options.size(); ++o)
            question.options.push_back({.text = q.options[o],
                                        .key = o == 0,
                                        .statistics = analysis.options[i][std::size_t(o)]});
        question.flags = FlagsOf(question, known);
        f.questions.push_back(std::move(question));
    }
    // The hardest first; a question no finished attempt asked goes last.
    std::stable_sort(f.questions.begin(), f.questions.end(), [](const auto& a, const auto& b) {
        const auto& fa = a.statistics.facility;
        const auto& fb = b.statistics.facility;
        if (fa.has_value() != fb.has_value()) return fa.has_value();
        return fa && *fa < *fb;
    });
}

namespace {

// Students whose marked percentage is within the test's standard error of
// measurement of where a mark starts.
void MarkNearBoundaries(const MarkScale& marks, BankFigures& f) {
    if (!f.test.standardError) return;
    const std::array<double, 4> boundaries = MarkBoundaries(marks);
    for (StudentFigures& s : f.students)
        if (s.marked && s.marked->grade.total > 0)
            s.nearBoundary = NearBoundary(100.0 * s.marked->grade.score / s.marked->grade.total,
                                          *f.test.standardError, boundaries);
}

} // namespace

BankFigures ResultsTally::Bank::figures(const QCollator& collator, const MarkScale& marks) const {
    BankFigures f;
    f.title = title;
    f.sha256 = sha256;
    f.attempts = attempts;
    f.abandoned = abandoned;
    f.abandonedCounted = countAbandoned;
    if (remarking) {
        f.remarked = remarking->corrects();
        f.keyChanges = remarking->keyChanges();
        f.voided = remarking->voidedSeen();
    }
    addPercentFigures(f);
    addQuestionFigures(addStudentFigures(collator, f), f);
    MarkNearBoundaries(marks, f);
    f.marks = SummaryOf(f.students);
    f.classes = ClassSummaries(f.students);
    return f;
}

QStringList ResultsTally::classesSeen() const {
    QCollator collator{QLocale(QLocale::Bulgarian, QLocale::Bulgaria)};
    collator.setNumericMode(true);
    QStringList classes(classSpellings_.begin(), classSpellings_.end());
    std::sort(classes.begin(), classes.end(), [&collator](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
    return classes.mid(0, kMaxClassesSeen);
}

std::vector<BankFigures> ResultsTally::figures() const {
    QCollator collator{QLocale(QLocale::Bulgarian, QLocale::Bulgaria)};
    collator.setNumericMode(true);
    std::vector<BankFigures> figures;
    for (const std::unique_ptr<Bank>& bank : banks_)
        figures.push_back(bank->figures(collator, settings_.marks));
    return figures;
}

} // namespace vorn
