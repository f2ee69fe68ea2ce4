// The report as one HTML page with nothing outside it and no script: per
// bank the students with their marks, a histogram of the marks, the test's
// figures, facility against discrimination, and every question with its
// figures, its options as bars and its flags. Bulgarian, a decimal comma,
// laid out for A4 when printed, a heading kept on the page of what follows
// it and a chart never split. Every text from a record or a bank is
// escaped; a question's lines stay lines.

#include "question_flags.h"
#include "report_charts.h"
#include "results_report.h"
#include "student_flags.h"

namespace vorn {

namespace {

const char* const kStyle = R"(
@page { size: A4; margin: 14mm 12mm; }
body { font-family: "Liberation Sans", Arial, sans-serif; font-size: 11pt; color: #111;
       max-width: 186mm; margin: 1em auto; }
h1 { font-size: 18pt; } h2 { font-size: 15pt; margin-top: 1.5em; } h3 { font-size: 12.5pt; }
.sha { font-family: "Liberation Mono", monospace; font-size: 8pt; color: #444; }
table { border-collapse: collapse; width: 100%; margin: 0.4em 0 1em; }
th, td { border: 1px solid #999; padding: 2px 5px; text-align: left; vertical-align: top; }
th { background: #eee; }
td.n { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
thead { display: table-header-group; }
tr, figure, svg, .question { break-inside: avoid; }
h1, h2, h3, h4 { break-after: avoid; }
figure { margin: 0.5em 0; }
svg { max-width: 100%; height: auto; font-size: 12px; font-family: inherit; }
svg .axis { stroke: #000; } svg .grid { stroke: #ccc; } svg .frame { fill: none; stroke: #999; }
svg .point { fill: #1f5fa8; } svg .negative { fill: #c62828; }
svg .track { fill: #f1f1f1; } svg .key { fill: #2e7d32; } svg .wrong { fill: #8d8d8d; }
svg .mark2 { fill: #c62828; } svg .mark3 { fill: #ef8f00; } svg .mark4 { fill: #c9b400; }
svg .mark5 { fill: #7cb342; } svg .mark6 { fill: #2e7d32; }
.flags { color: #8a1c1c; }
.bank + .bank { break-before: page; }
@media print { body { margin: 0; font-size: 10pt; } }
)";

QString Cells(const QStringList& cells, const char* tag, const QString& css = {}) {
    QString row;
    for (const QString& cell : cells)
        row += QStringLiteral("<%1%2>%3</%1>")
                   .arg(QLatin1String(tag),
                        css.isEmpty() ? QString() : QStringLiteral(" class=\"%1\"").arg(css), cell);
    return row;
}

// Which of the students' columns have anything to show.
struct StudentColumns {
    bool check = false; // "Тото"
    bool last = false;  // "Последен опит"
    bool login = false; // "Потребител, компютър"
    bool flags = false; // "Внимание"
};

StudentColumns ColumnsOf(const std::vector<StudentFigures>& students) {
    StudentColumns columns;
    for (const StudentFigures& s : students) {
        columns.check = columns.check || s.first.checkAgrees.has_value();
        columns.last = columns.last || s.last.has_value();
        columns.login = columns.login || !LoginText(s.first).isEmpty() ||
                        (s.last && !LoginText(*s.last).isEmpty());
        columns.flags = columns.flags || !StudentFlagTexts(s.flags).isEmpty();
    }
    return columns;
}

QString BoldMark(const Mark& mark) {
    return QStringLiteral("<b>%1</b> %2").arg(MarkText(mark, u','), mark.word);
}

// The mark the class's figures take: the first attempt's, or, when that was
// abandoned, the first finished one's beside "без оценка".
QString MarkCell(const StudentFigures& s) {
    QString cell = s.first.mark ? BoldMark(*s.first.mark) : MarkOrNone(s.first.mark, u',');
    if (!s.first.mark && s.marked && s.marked->mark)
        cell += QStringLiteral("<br>завършен опит: ") + BoldMark(*s.marked->mark);
    return cell + (s.nearBoundary ? QStringLiteral("<br>близо до границата") : QString());
}

QString AttemptCells(const StudentFigures& s, const StudentColumns& columns) {
    const AttemptFigures& a = s.first;
    QString time;
    if (a.time)
        time = QStringLiteral("%1:%2%3")
                   .arg(a.time->used / 60)
                   .arg(a.time->used % 60, 2, 10, QLatin1Char('0'))
                   .arg(a.time->up ? QStringLiteral(" (изтече)") : QString());
    QString check;
    if (a.checkAgrees) check = *a.checkAgrees ? QStringLiteral("същият") : QStringLiteral("друг");
    QStringList rest{time + (a.abandoned ? QStringLiteral(" прекъснат") : QString())};
    if (columns.check) rest.append(check);
    if (columns.login) rest.append(HtmlText(LoginText(a)));
    return Cells({QStringLiteral("%1/%2").arg(a.grade.score).arg(a.grade.total),
                  QString::number(a.grade.percent) + QStringLiteral(" %"), MarkCell(s)},
                 "td", QStringLiteral("n")) +
           Cells(rest, "td");
}

QString FlagsCell(const StudentFlags& flags) {
    QStringList texts = StudentFlagTexts(flags);
    for (QString& text : texts)
        text = HtmlText(text);
    return texts.join(QStringLiteral("<br>"));
}

QString StudentsTable(const std::vector<StudentFigures>& students) {
    const StudentColumns columns = ColumnsOf(students);
    QStringList heads{QStringLiteral("Клас"),     QStringLiteral("№"),
                      QStringLiteral("Име"),      QStringLiteral("Опити"),
                      QStringLiteral("Резултат"), QStringLiteral("Процент"),
                      QStringLiteral("Оценка"),   QStringLiteral("Време")};
    if (columns.check) heads.append(QStringLiteral("Тото"));
    if (columns.login) heads.append(QStringLiteral("Потребител, компютър"));
    if (columns.last) heads.append(QStringLiteral("Последен опит"));
    if (columns.flags) heads.append(QStringLiteral("Внимание"));
    QString html = QStringLiteral("<table class=\"students\"><thead><tr>") + Cells(heads, "th") +
                   QStringLiteral("</tr></thead><tbody>\n");
    for (const StudentFigures& s : students) {
        const QString last =
            s.last ? QStringLiteral("%1/%2, %3")
                             .arg(s.last->grade.score)
                             .arg(s.last->grade.total)
                             .arg(MarkOrNone(s.last->mark, u',')) +
                         (s.last->abandoned ? QStringLiteral(", прекъснат") : QString()) +
                         (LoginText(*s.last).isEmpty()
                              ? QString()
                              : QStringLiteral(", ") + HtmlText(LoginText(*s.last)))
                   : QString();
        const QString attempts =
            QString::number(s.attempts) +
            (s.abandoned ? QStringLiteral(" (прекъснати %1)").arg(s.abandoned) : QString());
        html +=
            QStringLiteral("<tr>") +
            Cells({HtmlText(s.who.className), HtmlText(s.who.number), HtmlText(s.who.name)}, "td") +
            Cells({attempts}, "td", QStringLiteral("n")) + AttemptCells(s, columns) +
            (columns.last ? Cells({last}, "td") : QString()) +
            (columns.flags ? Cells({FlagsCell(s.flags)}, "td", QStringLiteral("flags"))
                           : QString()) +
            QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</tbody></table>\n");
}

// The average mark and the marks' distribution: everyone's, then a line per class.
QString MarksTable(const BankFigures& bank) {
    QStringList heads{QStringLiteral("Клас"), QStringLiteral("Ученици с оценка"),
                      QStringLiteral("Среден успех")};
    for (int mark = 2; mark <= 6; ++mark)
        heads.append(QStringLiteral("%1 %2").arg(MarkWord(mark)).arg(mark));
    QString html = QStringLiteral("<table class=\"marks\"><thead><tr>") + Cells(heads, "th") +
                   QStringLiteral("</tr></thead><tbody>\n");
    std::vector<MarkSummary> rows = bank.classes;
    rows.push_back(bank.marks);
    for (const MarkSummary& m : rows) {
        QStringList cells{QString::number(m.students),
                          m.average ? QStringLiteral("<b>%1</b>").arg(MarkOrNone(m.average, u','))
                                    : QStringLiteral("-")};
        for (const int count : m.counts)
            cells.append(QString::number(count));
        html += QStringLiteral("<tr>") +
                Cells({m.className.isEmpty() ? QStringLiteral("всички") : HtmlText(m.className)},
                      m.className.isEmpty() ? "th" : "td") +
                Cells(cells, "td", QStringLiteral("n")) + QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</tbody></table>\n");
}

QString TestTable(const TestStatistics& t) {
    const std::pair<const char*, QString> rows[] = {
        {"Ученици (първи завършени опити)", QString::number(t.students)},
        {"Среден резултат", FigureOrDash(t.mean, " %")},
        {"Стандартна грешка на средния резултат", FigureOrDash(t.meanError, " %")},
        {"Медиана", FigureOrDash(t.median, " %")},
        {"Стандартно отклонение", FigureOrDash(t.sd, " %")},
        {"Асиметрия", FigureOrDash(t.skewness)},
        {"Ексцес", FigureOrDash(t.kurtosis)},
        {"Коефициент на вътрешна съгласуваност", FigureOrDash(t.consistency, " %")},
        {"Отношение на грешката", FigureOrDash(t.errorRatio, " %")},
        {"Стандартна грешка", FigureOrDash(t.standardError, " %")},
    };
    QString html = QStringLiteral("<table class=\"test\"><tbody>\n");
    for (const auto& [name, value] : rows)
        html += QStringLiteral("<tr><th scope=\"row\">%1</th><td class=\"n\">%2</td></tr>\n")
                    .arg(QString::fromUtf8(name), value);
    return html + QStringLiteral("</tbody></table>\n");
}

QString HtmlQuestionName(const QuestionFigures& q) {
    return HtmlText(QuestionName(q.number, q.id));
}

QString QuestionsTable(const std::vector<QuestionFigures>& questions) {
    QString html = QStringLiteral("<table class=\"questions\"><thead><tr>") +
                   Cells({QStringLiteral("Въпрос"), QStringLiteral("Ключ"),
                          QStringLiteral("Ученици"), QStringLiteral("Лекота"),
                          QStringLiteral("Станд. откл."), QStringLiteral("Дискриминация"),
                          QStringLiteral("Ефективност"), QStringLiteral("Без отговор")},
                         "th") +
                   QStringLiteral("</tr></thead><tbody>\n");
    for (const QuestionFigures& q : questions) {
        const ItemStatistics& s = q.statistics;
        html += QStringLiteral("<tr>") + Cells({HtmlQuestionName(q), HtmlText(q.key)}, "td") +
                Cells(QStringList{QString::number(s.students)} + ItemFigureTexts(s), "td",
                      QStringLiteral("n")) +
                QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</tbody></table>\n");
}

QString QuestionSection(const QuestionFigures& q) {
    QString html =
        QStringLiteral("<section class=\"question\"><h4>Въпрос %1</h4>\n").arg(HtmlQuestionName(q));
    if (!q.text.isEmpty()) html += QStringLiteral("<p>%1</p>\n").arg(HtmlLines(q.text));
    html += QStringLiteral("<figure>%1<figcaption>Лекота %2, дискриминация %3; корелация на "
                           "отговорите: ")
                .arg(OptionBars(q), FigureOrDash(q.statistics.facility, " %"),
                     FigureOrDash(q.statistics.discrimination) + SampleNote(q.statistics.students));
    QStringList correlations;
    for (const OptionFigures& o : q.options)
        correlations.append(QStringLiteral("„%1“ %2").arg(HtmlLines(o.text),
                                                          FigureOrDash(o.statistics.correlation)));
    if (SmallSample(q.statistics.students)) correlations.append(QStringLiteral("малка извадка"));
    html += correlations.join(QStringLiteral("; ")) + QStringLiteral("</figcaption></figure>\n");
    if (!q.flags.empty()) {
        html += QStringLiteral("<ul class=\"flags\">");
        for (const QuestionFlag& flag : q.flags)
            html += QStringLiteral("<li>%1</li>").arg(HtmlText(FlagText(flag)));
        html += QStringLiteral("</ul>\n");
    }
    return html + QStringLiteral("</section>\n");
}

QString BankSection(const BankFigures& bank) {
    const QString abandoned =
        bank.abandoned == 0 ? QString()
        : bank.abandonedCounted
            ? QStringLiteral(" (с %1 прекъснати, броени като завършени)").arg(bank.abandoned)
            : QStringLiteral("; прекъснати: %1 (без оценка, не се броят)").arg(bank.abandoned);
    QString html =
        QStringLiteral("<section class=\"bank\">\n<h2>Тест „%1“</h2>\n"
                       "<p class=\"sha\">SHA-256 %2</p>\n"
                       "<p class=\"headline\">Среден успех <b>%7</b>; ученици: %4; завършени "
                       "опити: %3%8; среден процент %5, медиана %6.</p>\n")
            .arg(HtmlText(bank.title), bank.sha256, QString::number(bank.attempts),
                 QString::number(bank.students.size()), TenthsText(bank.meanTenths, u','),
                 TenthsText(bank.medianTenths, u','),
                 bank.marks.average ? MarkOrNone(bank.marks.average, u',') : QStringLiteral("-"),
                 abandoned);
    for (const QString& note : RemarkingNotes(bank))
        html += QStringLiteral("<p class=\"notice\"><b>%1</b></p>\n").arg(HtmlText(note));
    html += QStringLiteral("<h3>Оценки</h3>\n") + MarksTable(bank);
    html += QStringLiteral("<figure>%1<figcaption>Оценки от първия завършен опит</figcaption>"
                           "</figure>\n")
                .arg(MarksHistogram(bank.marks));
    html += QStringLiteral("<h3>Ученици и оценки</h3>\n") + StudentsTable(bank.students);
    html += QStringLiteral("<h3>Тестът, както го изчислява Moodle</h3>\n") + TestTable(bank.test);
    html += QStringLiteral("<h3>Лекота и дискриминация</h3>\n<figure>%1<figcaption>Всяка точка "
                           "е въпрос с номера си; под нулата по-слабите отговарят по-добре."
                           "</figcaption></figure>\n")
                .arg(FacilityDiscriminationChart(bank.questions));
    html += QStringLiteral("<h3>Въпросите от най-трудния към най-лесния</h3>\n") +
            QuestionsTable(bank.questions);
    for (const QuestionFigures& q : bank.questions)
        html += QuestionSection(q);
    return html + QStringLiteral("</section>\n");
}

} // namespace

QByteArray ReportHtml(const std::vector<BankFigures>& banks) {
    QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"bg\">\n<head>\n"
                                  "<meta charset=\"utf-8\">\n"
                                  "<title>Отчет за резултатите</title>\n<style>") +
                   QString::fromUtf8(kStyle) +
                   QStringLiteral("</style>\n</head>\n<body>\n<h1>Отчет за резултатите</h1>\n");
    for (const BankFigures& bank : banks)
        html += BankSection(bank);
    return (html + QStringLiteral("</body>\n</html>\n")).toUtf8();
}

} // namespace vorn
