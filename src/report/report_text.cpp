// The report as text: per bank its title and fingerprint, the attempts, the
// percentage's mean, median and distribution, the students with their marks,
// the test's statistics and its questions from the hardest, each with its
// options and flags. Every text from a record is printed escaped: it goes to
// a terminal and must stay on its own line.

#include "question_flags.h"
#include "results_report.h"
#include "student_flags.h"

#include "platform/text.h"

namespace vorn {

namespace {

QString Quoted(const QString& text) {
    return u'„' + Printable(text) + u'“';
}

QString AttemptText(const AttemptFigures& a) {
    QString text = ScoreText(a.grade) + QStringLiteral(", ") +
                   (a.mark ? QStringLiteral("оценка ") : QString()) + MarkOrNone(a.mark, u',');
    if (a.time)
        text += QStringLiteral(", време %1:%2%3")
                    .arg(a.time->used / 60)
                    .arg(a.time->used % 60, 2, 10, QLatin1Char('0'))
                    .arg(a.time->up ? QStringLiteral(" (изтече)") : QString());
    if (a.abandoned) text += QStringLiteral(", прекъснат");
    if (a.checkAgrees)
        text += *a.checkAgrees ? QStringLiteral(", Тото: същият отговор")
                               : QStringLiteral(", Тото: друг отговор");
    if (const QString login = LoginText(a); !login.isEmpty())
        text += QStringLiteral(", ") + Printable(login);
    return text;
}

QString StudentLine(const StudentFigures& s) {
    QStringList who;
    if (!s.who.className.isEmpty()) who.append(Printable(s.who.className));
    if (!s.who.number.isEmpty()) who.append(QStringLiteral("№ ") + Printable(s.who.number));
    who.append(Printable(s.who.name));
    QString line =
        QStringLiteral("  %1: опити %2%3; %4")
            .arg(who.join(QStringLiteral(", ")), QString::number(s.attempts),
                 s.abandoned ? QStringLiteral(" (прекъснати %1)").arg(s.abandoned) : QString(),
                 AttemptText(s.first));
    if (s.last) line += QStringLiteral("; последен: ") + AttemptText(*s.last);
    if (s.nearBoundary) line += QStringLiteral("; близо до границата");
    if (const QStringList flags = StudentFlagTexts(s.flags); !flags.isEmpty())
        line += QStringLiteral("; внимание: ") + Printable(flags.join(QStringLiteral("; ")));
    return line + u'\n';
}

QString TestText(const TestStatistics& t) {
    return QStringLiteral("Тестът по първите завършени опити на %1 ученици (както в Moodle):\n"
                          "  среден резултат %2, медиана %3, стандартно отклонение %4\n"
                          "  стандартна грешка на средния резултат %10\n"
                          "  асиметрия %5, ексцес %6\n"
                          "  вътрешна съгласуваност %7, отношение на грешката %8, "
                          "стандартна грешка %9\n")
        .arg(QString::number(t.students), FigureOrDash(t.mean, " %"), FigureOrDash(t.median, " %"),
             FigureOrDash(t.sd, " %"), FigureOrDash(t.skewness), FigureOrDash(t.kurtosis),
             FigureOrDash(t.consistency, " %"), FigureOrDash(t.errorRatio, " %"),
             FigureOrDash(t.standardError, " %"), FigureOrDash(t.meanError, " %"));
}

QString QuestionText(const QuestionFigures& q) {
    const ItemStatistics& s = q.statistics;
    const QString name = Printable(QuestionName(q.number, q.id));
    const QStringList figures = ItemFigureTexts(s);
    QString text = QStringLiteral("  въпрос %1 (%2): лекота %3, стандартно отклонение %4, "
                                  "дискриминация %5, ефективност %6, без отговор %7 (ученици %8)\n")
                       .arg(name, Quoted(q.key), figures[0], figures[1], figures[2], figures[3],
                            figures[4], QString::number(s.students));
    for (const OptionFigures& o : q.options)
        text += QStringLiteral("    %1%2: %3, корелация %4\n")
                    .arg(o.key ? QStringLiteral("ключ ") : QString(), Quoted(o.text),
                         FigureOrDash(o.statistics.share, " %"),
                         FigureOrDash(o.statistics.correlation) +
                             (o.statistics.correlation ? SampleNote(s.students) : QString()));
    for (const QuestionFlag& flag : q.flags)
        text += QStringLiteral("    внимание: ") + Printable(FlagText(flag)) + u'\n';
    return text;
}

// "Слаб 2: 1, Среден 3: 0, ..."
QString MarkCounts(const MarkSummary& m) {
    QStringList counts;
    for (int mark = 2; mark <= 6; ++mark)
        counts.append(QStringLiteral("%1 %2: %3")
                          .arg(MarkWord(mark))
                          .arg(mark)
                          .arg(m.counts[static_cast<std::size_t>(mark - 2)]));
    return counts.join(QStringLiteral(", "));
}

QString AverageText(const MarkSummary& m) {
    return m.average ? MarkOrNone(m.average, u',') : QStringLiteral("-");
}

QString MarksText(const BankFigures& bank) {
    QString text = QStringLiteral("Среден успех: %1 (ученици с оценка: %2)\nОценки: %3\n")
                       .arg(AverageText(bank.marks), QString::number(bank.marks.students),
                            MarkCounts(bank.marks));
    for (const MarkSummary& c : bank.classes)
        text += QStringLiteral("  %1: среден успех %2, ученици %3; %4\n")
                    .arg(Printable(c.className), AverageText(c), QString::number(c.students),
                         MarkCounts(c));
    return text;
}

QString AttemptsText(const BankFigures& bank) {
    if (bank.abandoned == 0) return QStringLiteral("Опити: %1\n").arg(bank.attempts);
    return (bank.abandonedCounted
                ? QStringLiteral("Опити: %1 (прекъснатите %2 се броят като завършени)\n")
                : QStringLiteral("Опити: %1 завършени; прекъснати: %2 (без оценка, не се броят)\n"))
        .arg(bank.attempts)
        .arg(bank.abandoned);
}

QString BankText(const BankFigures& bank) {
    QString text =
        QStringLiteral("Тест „%1“\nSHA-256 %2\n").arg(Printable(bank.title), bank.sha256);
    for (const QString& note : RemarkingNotes(bank))
        text += Printable(note) + u'\n';
    text += AttemptsText(bank) + MarksText(bank);
    text += QStringLiteral("Процент: среден %1, медиана %2\nРазпределение на процентите:\n")
                .arg(TenthsText(bank.meanTenths, u','), TenthsText(bank.medianTenths, u','));
    for (int band = 0; band < kPercentBands; ++band)
        text += QStringLiteral("  %1  %2\n")
                    .arg(BandName(band), 5)
                    .arg(bank.bands[static_cast<std::size_t>(band)]);
    text += QStringLiteral("Ученици (%1):\n").arg(bank.students.size());
    for (const StudentFigures& student : bank.students)
        text += StudentLine(student);
    text += TestText(bank.test);
    text += QStringLiteral("Въпроси от най-трудния към най-лесния:\n");
    for (const QuestionFigures& question : bank.questions)
        text += QuestionText(question);
    return text;
}

} // namespace

QString ReportText(const std::vector<BankFigures>& banks) {
    QStringList parts;
    for (const BankFigures& bank : banks)
        parts.append(BankText(bank));
    return parts.join(u'\n');
}

} // namespace vorn
