#include "report_tables.h"

#include "question_flags.h"
#include "student_flags.h"

#include <QStringList>

namespace vorn {

namespace {

Cell Whole(std::optional<double> number) {
    return {.text = {}, .number = number, .decimals = 0};
}

Cell Figure(std::optional<double> figure) {
    return {.text = {}, .number = figure, .decimals = 2};
}

Cell Yes(std::optional<bool> yes) {
    return Whole(yes ? std::optional<double>(*yes ? 1 : 0) : std::nullopt);
}

// "Верни" for the first attempt, "последен: верни" for the last.
QString AttemptLabel(const QString& prefix, const QString& text) {
    return prefix.isEmpty() ? text.left(1).toUpper() + text.mid(1) : prefix + text;
}

// The columns of one attempt, with a prefix for the last one.
std::vector<Column> AttemptColumns(const QString& id, const QString& label) {
    const auto name = [&label](const QString& text) { return AttemptLabel(label, text); };
    return {{id + "score", name(QStringLiteral("верни")), 8},
            {id + "total", name(QStringLiteral("общо")), 8},
            {id + "percent", name(QStringLiteral("процент")), 9},
            {id + "mark", name(QStringLiteral("оценка")), 9},
            {id + "word", name(QStringLiteral("словом")), 13},
            {id + "time_used", name(QStringLiteral("време")), 10},
            {id + "time_up", name(QStringLiteral("времето изтече")), 10},
            {id + "abandoned", name(QStringLiteral("прекъснат")), 10},
            {id + "check_agrees", name(QStringLiteral("Тото съвпада")), 10}};
}

std::vector<Cell> AttemptRowCells(const std::optional<AttemptFigures>& a) {
    if (!a) return std::vector<Cell>(AttemptColumns({}, {}).size());
    const auto time = a->time;
    return {Whole(a->grade.score),
            Whole(a->grade.total),
            Whole(a->grade.percent),
            Figure(a->mark ? std::optional<double>(a->mark->hundredths / 100.0) : std::nullopt),
            TextCell(a->mark ? a->mark->word : QString()),
            Whole(time ? std::optional<double>(time->used) : std::nullopt),
            Yes(time ? std::optional<bool>(time->up) : std::nullopt),
            Yes(a->abandoned),
            Yes(a->checkAgrees)};
}

// Where an attempt was taken; after the rest, so that the columns before
// them stay where they were.
std::vector<Column> LoginColumns(const QString& id, const QString& label) {
    return {{id + "user", AttemptLabel(label, QStringLiteral("потребител")), 12},
            {id + "host", AttemptLabel(label, QStringLiteral("компютър")), 12}};
}

std::vector<Cell> LoginCells(const std::optional<AttemptFigures>& a) {
    if (!a) return std::vector<Cell>(LoginColumns({}, {}).size());
    return {TextCell(a->user), TextCell(a->host)};
}

std::vector<Column> BankColumns() {
    return {{"bank", QStringLiteral("Тест"), 24}, {"sha256", QStringLiteral("SHA-256"), 16}};
}

template <typename T> void Append(std::vector<T>& to, const std::vector<T>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

Table Students(const std::vector<BankFigures>& banks) {
    Table table{.name = "students",
                .sheet = QStringLiteral("Ученици"),
                .columns = BankColumns(),
                .rows = {}};
    Append(table.columns, {{"name", QStringLiteral("Име"), 28},
                           {"class", QStringLiteral("Клас"), 7},
                           {"number", QStringLiteral("Номер"), 7},
                           {"attempts", QStringLiteral("Опити"), 7}});
    Append(table.columns, AttemptColumns({}, {}));
    Append(table.columns, AttemptColumns("last_", QStringLiteral("последен: ")));
    table.columns.push_back({"near_boundary", QStringLiteral("Близо до границата"), 10});
    Append(table.columns, LoginColumns({}, {}));
    Append(table.columns, LoginColumns("last_", QStringLiteral("последен: ")));
    table.columns.push_back({"flags", QStringLiteral("Внимание"), 40});
    for (const BankFigures& bank : banks)
        for (const StudentFigures& s : bank.students) {
            std::vector<Cell> row{TextCell(bank.title),   TextCell(bank.sha256),
                                  TextCell(s.who.name),   TextCell(s.who.className),
                                  TextCell(s.who.number), Whole(s.attempts)};
            Append(row, AttemptRowCells(s.first));
            Append(row, AttemptRowCells(s.last));
            row.push_back(Yes(s.marked ? std::optional<bool>(s.nearBoundary) : std::nullopt));
            Append(row, LoginCells(s.first));
            Append(row, LoginCells(s.last));
            row.push_back(TextCell(StudentFlagTexts(s.flags).join(QStringLiteral("; "))));
            table.rows.push_back(std::move(row));
        }
    return table;
}

Table Questions(const std::vector<BankFigures>& banks) {
    Table table{.name = "questions",
                .sheet = QStringLiteral("Въпроси"),
                .columns = BankColumns(),
                .rows = {}};
    Append(table.columns, {{"question", QStringLiteral("Въпрос"), 10},
                           {"number", QStringLiteral("Номер"), 7},
                           {"text", QStringLiteral("Текст"), 40},
                           {"key", QStringLiteral("Ключ"), 20},
                           {"students", QStringLiteral("Ученици"), 8},
                           {"facility", QStringLiteral("Лекота %"), 9},
                           {"sd", QStringLiteral("Стандартно отклонение %"), 12},
                           {"discrimination", QStringLiteral("Дискриминация"), 12},
                           {"efficiency", QStringLiteral("Дискриминативна ефективност %"), 12},
                           {"unanswered", QStringLiteral("Без отговор %"), 9},
                           {"flags", QStringLiteral("Внимание"), 40},
                           {"facility_se", QStringLiteral("Стандартна грешка на лекотата"), 12},
                           {"small_sample", QStringLiteral("Малка извадка"), 8}});
    for (const BankFigures& bank : banks)
        for (const QuestionFigures& q : bank.questions) {
            const ItemStatistics& s = q.statistics;
            QStringList flags;
            for (const QuestionFlag& flag : q.flags)
                flags.append(FlagText(flag));
            table.rows.push_back(
                {TextCell(bank.title), TextCell(bank.sha256), TextCell(q.id), Whole(q.number),
                 TextCell(q.text), TextCell(q.key), Whole(s.students), Figure(s.facility),
                 Figure(s.sd), Figure(s.discrimination), Figure(s.efficiency),
                 Figure(UnansweredPercent(s)), TextCell(flags.join(QStringLiteral("; "))),
                 Figure(s.facilityError),
                 Yes(s.students ? std::optional<bool>(SmallSample(s.students)) : std::nullopt)});
        }
    return table;
}

Table Options(const std::vector<BankFigures>& banks) {
    Table table{.name = "options",
                .sheet = QStringLiteral("Отговори"),
                .columns = BankColumns(),
                .rows = {}};
    Append(table.columns, {{"question", QStringLiteral("Въпрос"), 10},
                           {"option", QStringLiteral("Отговор"), 30},
                           {"key", QStringLiteral("Ключ (1)"), 8},
                           {"chosen", QStringLiteral("Избрали"), 8},
                           {"share", QStringLiteral("Дял %"), 8},
                           {"correlation", QStringLiteral("Корелация"), 10}});
    for (const BankFigures& bank : banks)
        for (const QuestionFigures& q : bank.questions)
            for (const OptionFigures& o : q.options)
                table.rows.push_back({TextCell(bank.title), TextCell(bank.sha256), TextCell(q.id),
                                      TextCell(o.text), Yes(o.key), Whole(o.statistics.chosen),
                                      Figure(o.statistics.share),
                                      Figure(o.statistics.correlation)});
    return table;
}

// What was marked otherwise than the records say, first, where there is any.
Table Notes(const std::vector<BankFigures>& banks) {
    Table table{
        .name = "notes", .sheet = QStringLiteral("Бележки"), .columns = BankColumns(), .rows = {}};
    table.columns.push_back({"note", QStringLiteral("Бележка"), 80});
    for (const BankFigures& bank : banks)
        for (const QString& note : RemarkingNotes(bank))
            table.rows.push_back({TextCell(bank.title), TextCell(bank.sha256), TextCell(note)});
    return table;
}

} // namespace

bool IsDurationColumn(const Column& column) {
    return column.id.endsWith(QLatin1String("time_used"));
}

std::vector<Table> ReportTables(const std::vector<BankFigures>& banks) {
    std::vector<Table> tables{Students(banks), Questions(banks), Options(banks)};
    Table notes = Notes(banks);
    if (!notes.rows.empty()) tables.insert(tables.begin(), std::move(notes));
    return tables;
}

} // namespace vorn
