// The report as CSV: a header row, then one row per bank question, the
// hardest first, each with its bank's figures.

#include "results_report.h"

namespace vorn {

namespace {

// A spreadsheet takes a cell beginning with one of these as a formula, and a
// title or an option from a record is anyone's text. Such a cell gets an
// apostrophe before it, which shows it as text, and is quoted. The figures
// of the report never begin with one.
bool ReadsAsFormula(const QString& text) {
    return !text.isEmpty() && QStringView(u"=+-@\t\r").contains(text.front());
}

QString Field(const QString& text) {
    const bool formula = ReadsAsFormula(text);
    if (!formula && !text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    const QString cell = formula ? u'\'' + text : text;
    return u'"' + QString(cell).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString Row(const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields)
        quoted.append(Field(field));
    return quoted.join(u',') + u'\n';
}

QString Share(int count, int attempts) {
    return TenthsText(ShareTenths(count, attempts), u'.');
}

} // namespace

QString ReportCsv(const std::vector<BankFigures>& banks) {
    QStringList header{QStringLiteral("тест"), QStringLiteral("sha256"), QStringLiteral("опити"),
                       QStringLiteral("среден %"), QStringLiteral("медиана %")};
    for (int band = 0; band < kPercentBands; ++band)
        header.append(BandName(band));
    header << QStringLiteral("въпрос") << QStringLiteral("ключ") << QStringLiteral("верни %")
           << QStringLiteral("без отговор %") << QStringLiteral("най-честа грешка")
           << QStringLiteral("дял на грешката %");
    QString csv = Row(header);
    for (const BankFigures& bank : banks) {
        QStringList figures{bank.title, bank.sha256, QString::number(bank.attempts),
                            TenthsText(bank.meanTenths, u'.'), TenthsText(bank.medianTenths, u'.')};
        for (const int count : bank.bands)
            figures.append(QString::number(count));
        for (const QuestionFigures& q : bank.questions)
            csv += Row(
                figures +
                QStringList{QString::number(q.number), q.key, Share(q.right, bank.attempts),
                            Share(q.unanswered, bank.attempts), q.commonWrong.value_or(QString()),
                            q.commonWrong ? Share(q.commonWrongCount, bank.attempts) : QString()});
    }
    return csv;
}

} // namespace vorn
