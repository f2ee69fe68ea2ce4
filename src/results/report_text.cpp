// The report as text: per bank its title and fingerprint, the attempts, the
// percentage's mean, median and distribution, then its questions (by number
// and key) from the hardest to the easiest. Every text from a record is
// printed escaped: it goes to a terminal and must stay on its own line.

#include "results_report.h"

#include "platform/text.h"

namespace vorn {

namespace {

QString Percent(int tenths) {
    return TenthsText(tenths, u',') + QStringLiteral(" %");
}

QString QuestionLine(const QuestionFigures& q, int attempts) {
    const QString wrong = q.commonWrong
                              ? QStringLiteral("най-честа грешка „%1“ (%2)")
                                    .arg(Printable(*q.commonWrong),
                                         Percent(ShareTenths(q.commonWrongCount, attempts)))
                              : QStringLiteral("без грешни отговори");
    return QStringLiteral("  въпрос %1 („%2“): верни %3, без отговор %4, %5\n")
        .arg(q.number)
        .arg(Printable(q.key), Percent(ShareTenths(q.right, attempts)),
             Percent(ShareTenths(q.unanswered, attempts)), wrong);
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
    text += QStringLiteral("Въпроси от най-трудния към най-лесния:\n");
    for (const QuestionFigures& question : bank.questions)
        text += QuestionLine(question, bank.attempts);
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
