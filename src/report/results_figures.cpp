#include "results_figures.h"

#include <cmath>

namespace vorn {

// Half up: (2n + d) / 2d.
int ShareTenths(int count, int attempts) {
    return static_cast<int>((2000LL * count + attempts) / (2LL * attempts));
}

QString TenthsText(int tenths, QChar point) {
    return QStringLiteral("%1%2%3").arg(tenths / 10).arg(point).arg(tenths % 10);
}

QString FigureText(std::optional<double> figure, QChar point) {
    if (!figure) return {};
    // -0.001 would print as "-0.00".
    const double value = std::abs(*figure) < 0.005 ? 0.0 : *figure;
    QString text = QString::number(value, 'f', 2);
    if (point != u'.') text.replace(u'.', point);
    return text;
}

QString FigureOrDash(std::optional<double> figure, const QString& unit) {
    return figure ? FigureText(figure, u',') + unit : QStringLiteral("-");
}

QStringList ItemFigureTexts(const ItemStatistics& s) {
    const QString error =
        s.facilityError ? QStringLiteral(" ± ") + FigureOrDash(s.facilityError) : QString();
    return {FigureOrDash(s.facility, " %") + error, FigureOrDash(s.sd, " %"),
            FigureOrDash(s.discrimination) + SampleNote(s.students),
            FigureOrDash(s.efficiency, " %") + SampleNote(s.students),
            FigureOrDash(UnansweredPercent(s), " %")};
}

QString MarkOrNone(const std::optional<Mark>& mark, QChar point) {
    return mark ? MarkText(*mark, point) + u' ' + mark->word : QStringLiteral("без оценка");
}

QString SampleNote(int attempts) {
    return SmallSample(attempts) ? QStringLiteral(" (малка извадка)") : QString();
}

QString QuestionName(int number, const QString& id) {
    return id == QString::number(number) ? id : QStringLiteral("%1 [%2]").arg(number).arg(id);
}

QStringList RemarkingNotes(const BankFigures& bank) {
    QStringList notes;
    if (!bank.voided.empty()) {
        QStringList names;
        for (const VoidedQuestion& q : bank.voided)
            names.append(QuestionName(q.number, q.id));
        notes.append(QStringLiteral("Изключени въпроси (--void): %1; не влизат в резултатите, "
                                    "оценките и статистиката.")
                         .arg(names.join(QStringLiteral(", "))));
    }
    if (bank.remarked && bank.keyChanges.empty())
        notes.append(QStringLiteral("Оценено наново по поправената банка; ключовете са същите."));
    if (bank.remarked && !bank.keyChanges.empty()) {
        QStringList changes;
        for (const KeyChange& change : bank.keyChanges)
            changes.append(QStringLiteral("въпрос %1: „%2“ → „%3“")
                               .arg(QString::number(change.number), change.was, change.now));
        notes.append(QStringLiteral("Оценено наново по поправената банка; сменени ключове: %1.")
                         .arg(changes.join(QStringLiteral("; "))));
    }
    return notes;
}

QString LoginText(const AttemptFigures& attempt) {
    QStringList parts;
    if (!attempt.user.isEmpty()) parts.append(QStringLiteral("потребител ") + attempt.user);
    if (!attempt.host.isEmpty()) parts.append(QStringLiteral("компютър ") + attempt.host);
    return parts.join(QStringLiteral(", "));
}

QString BandName(int band) {
    return band == kPercentBands - 1 ? QStringLiteral("100")
                                     : QStringLiteral("%1–%2").arg(band * 10).arg(band * 10 + 9);
}

} // namespace vorn
