// The report as text: per bank its title and fingerprint, the attempts, the
// percentage's mean, median and distribution, the students with their marks,
// the test's statistics and its questions from the hardest, each with its
// options and flags. Every text from a record is printed escaped: it goes to
// a terminal and must stay on its own line.

#include "question_flags.h"
#include "results_report.h"

#include "platform/text.h"

namespace vorn {

namespace {

// A figure with a decimal comma, "-" when it is not defined.
QString Figure(std::optional<double> figure, const QString& unit = {}) {
    return figure ? FigureText(figure, u',') + unit : QStringLiteral("-");
}

QString Quoted(const QString& text) {
    return u'„' + Printable(text) + u'“';
}

QString AttemptText(const AttemptFigures& a) {
    QString text = QStringLiteral("%1, оценка %2 %3")
                       .arg(ScoreText(a.grade), MarkText(a.mark, u','), a.mark.word);
    if (a.time)
        text += QStringLiteral(", време %1:%2%3")
                    .arg(a.time->used / 60)
                    .arg(a.time->used % 60, 2, 10, QLatin1Char('0'))
                    .arg(a.time->up ? QStringLiteral(" (изтече)") : QString());
    if (a.abandoned) text += QStringLiteral(", прекъснат");
    if (a.checkAgrees)
        text += *a.checkAgrees ? QStringLiteral(", Тото: същият отговор")
                               : QStringLiteral(", Тото: друг отговор");
    return text;
}

QString StudentLine(const StudentFigures& s) {
    QStringList who;
    if (!s.who.className.isEmpty()) who.append(Printable(s.who.className));
    if (!s.who.number.isEmpty()) who.append(QStringLiteral("№ ") + Printable(s.who.number));
    who.append(Printable(s.who.name));
    QString line =
        QStringLiteral("  %1: опити %2; %3")
            .arg(who.join(QStringLiteral(", ")), QString::number(s.attempts), AttemptText(s.first));
    if (s.last) line += QStringLiteral("; последен: ") + AttemptText(*s.last);
    return line + u'\n';
}

QString TestText(const TestStatistics& t) {
    return QStringLiteral("Тестът по първите завършени опити на %1 ученици (както в Moodle):\n"
                          "  среден резултат %2, медиана %3, стандартно отклонение %4\n"
                          "  асиметрия %5, ексцес %6\n"
                          "  вътрешна съгласуваност %7, отношение на грешката %8, "
                          "стандартна грешка %9\n")
        .arg(QString::number(t.students), Figure(t.mean, " %"), Figure(t.median, " %"),
             Figure(t.sd, " %"), Figure(t.skewness), Figure(t.kurtosis),
             Figure(t.consistency, " %"), Figure(t.errorRatio, " %"),
             Figure(t.standardError, " %"));
}

QString QuestionText(const QuestionFigures& q) {
    const ItemStatistics& s = q.statistics;
    const QString name = q.id == QString::number(q.number)
                             ? QString::number(q.number)
                             : QStringLiteral("%1 [%2]").arg(q.number).arg(Printable(q.id));
    QString text =
        QStringLiteral("  въпрос %1 (%2): лекота %3, стандартно отклонение %4, "
                       "дискриминация %5, ефективност %6, без отговор %7 (ученици %8)\n")
            .arg(name, Quoted(q.key), Figure(s.facility, " %"), Figure(s.sd, " %"),
                 Figure(s.discrimination), Figure(s.efficiency, " %"),
                 Figure(s.students ? std::optional<double>(100.0 * s.unanswered / s.students)
                                   : std::nullopt,
                        " %"),
                 QString::number(s.students));
    for (const OptionFigures& o : q.options)
        text += QStringLiteral("    %1%2: %3, корелация %4\n")
                    .arg(o.key ? QStringLiteral("ключ ") : QString(), Quoted(o.text),
                         Figure(o.statistics.share, " %"), Figure(o.statistics.correlation));
    for (const QuestionFlag& flag : q.flags)
        text += QStringLiteral("    внимание: ") + Printable(FlagText(flag)) + u'\n';
    return text;
}

QString BankText(const BankFigures& bank) {
    QString text = QStringLiteral("Тест „%1“\nSHA-256 %2\nОпити: %3\n")
                       .arg(Printable(bank.title), bank.sha256, QString::number(bank.attempts));
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
