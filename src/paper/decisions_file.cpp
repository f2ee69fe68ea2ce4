#include "decisions_file.h"

#include "open_sheet_json.h"
#include "sheet_record.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <map>

namespace vorn {

namespace {

const QString kNumberRow = QStringLiteral("номер");
const QString kStateMark = QStringLiteral("#= ");

QString DecisionLine(const QString& sheet, const QString& row, const QString& why) {
    return QStringLiteral("%1 %2 ?    # %3\n").arg(sheet, row, why);
}

QString Problem(int line, const QString& what) {
    return QStringLiteral("ред %1: %2").arg(line).arg(what);
}

struct Decision {
    int line = 0;
    QString row, value; // row: 1-based or kNumberRow
};

using Decisions = std::map<QString, std::vector<Decision>>; // by sheet id

// The value `d` gives an open row of `sheet`; a problem when none.
std::optional<QString> Apply(const Decision& d, OpenSheet& sheet, const std::vector<int>& counts) {
    if (d.value == u'?') return Problem(d.line, QStringLiteral("все още е „?“"));
    if (d.row == kNumberRow) {
        bool ok = false;
        const int number = d.value.toInt(&ok);
        if (!sheet.number || !sheet.number->open())
            return Problem(d.line, "номерът не е за решаване");
        if (!ok || number < 1 || number > 99)
            return Problem(d.line, QStringLiteral("номерът в класа е число от 1 до 99"));
        sheet.number = NumberMark{number, std::nullopt};
        return std::nullopt;
    }
    bool ok = false;
    const int row = d.row.toInt(&ok) - 1;
    if (!ok || row < 0 || row >= static_cast<int>(sheet.rows.size()) ||
        !sheet.rows[static_cast<std::size_t>(row)].open())
        return Problem(d.line, QStringLiteral("на листа няма неясен ред %1").arg(d.row));
    const auto slot = d.value.size() == 1 ? SlotOfLetter(d.value[0]) : std::nullopt;
    if (d.value == u'0') {
        sheet.rows[static_cast<std::size_t>(row)] = RowMark{};
    } else if (slot && *slot < counts[static_cast<std::size_t>(row)]) {
        sheet.rows[static_cast<std::size_t>(row)] = RowMark{slot, std::nullopt};
    } else {
        return Problem(d.line,
                       QStringLiteral("„%1“ не е буква на отговор от реда, нито 0").arg(d.value));
    }
    return std::nullopt;
}

// How the file names each sheet: its id, and where copies of a blank sheet
// share one, the id with a short digest of the page it was scanned from
// ("3fa9c2e1-01/5be2c0"), which stays the same when the teacher deletes
// another copy's lines.
std::vector<QString> SheetLabels(const std::vector<OpenSheet>& sheets) {
    std::map<QString, int> copies;
    for (const OpenSheet& sheet : sheets)
        ++copies[sheet.code.sheetId];
    std::vector<QString> labels;
    for (const OpenSheet& sheet : sheets) {
        const QString& id = sheet.code.sheetId;
        const QByteArray digest =
            QCryptographicHash::hash(ScanText(sheet.source).toUtf8(), QCryptographicHash::Sha256);
        labels.push_back(copies[id] == 1 ? id
                                         : id + u'/' + QString::fromLatin1(digest.toHex().left(6)));
    }
    return labels;
}

} // namespace

QString DecisionsText(const std::vector<OpenSheet>& sheets, const QString& command) {
    QString text =
        kDecisionsHeader +
        QStringLiteral(
            "\n# Листове, които програмата не отчете сама. Заменете всяко „?“ с буквата,\n"
            "# която ученикът е отбелязал (A-E), с 0 за „без отговор“, а при „номер“ с номера\n"
            "# в класа. Редовете „#=“ не променяйте; махнете всички редове на лист, за да го\n"
            "# пропуснете. После запишете файла и изпълнете:\n#   ") +
        command + u'\n';
    const std::vector<QString> labels = SheetLabels(sheets);
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        const OpenSheet& sheet = sheets[s];
        text += QStringLiteral("\n# ") + SheetCaption(sheet.code, sheet.source) + u'\n';
        text += kStateMark + QString::fromUtf8(OpenSheetJson(sheet)) + u'\n';
        for (std::size_t p = 0; p < sheet.rows.size(); ++p)
            if (sheet.rows[p].open())
                text += DecisionLine(labels[s], QString::number(p + 1), *sheet.rows[p].problem);
        if (sheet.number && sheet.number->open())
            text += DecisionLine(labels[s], kNumberRow, *sheet.number->problem);
    }
    return text;
}

Decided ReadDecisions(const QString& text, const QString& bankSha256, VariantRuns& runs) {
    Decided decided;
    const QStringList lines = text.split(u'\n');
    if (lines.value(0).trimmed() != kDecisionsHeader) {
        decided.problems.append(QStringLiteral("това не е файл с решения за сканирани листове"));
        return decided;
    }
    std::vector<OpenSheet> sheets;
    Decisions decisions;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (int i = 1; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.startsWith(kStateMark.trimmed())) {
            const auto sheet = OpenSheetOfJson(line.mid(2).trimmed().toUtf8());
            if (!sheet || sheet->code.bankPrefix != BankPrefix(bankSha256))
                decided.problems.append(
                    Problem(i + 1, QStringLiteral("редът „#=“ е променен или е от друг тест")));
            else
                sheets.push_back(*sheet);
            continue;
        }
        const QStringList words = line.section(u'#', 0, 0).split(blanks, Qt::SkipEmptyParts);
        if (words.isEmpty()) continue;
        if (words.size() != 3) {
            decided.problems.append(
                Problem(i + 1, QStringLiteral("очакват се лист, ред и решение")));
            continue;
        }
        decisions[words[0]].push_back({i + 1, words[1], words[2]});
    }
    const std::vector<QString> labels = SheetLabels(sheets);
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        OpenSheet& sheet = sheets[s];
        const auto counts = runs.optionCounts(sheet.code.seed);
        if (counts.size() != sheet.rows.size()) {
            decided.problems.append(
                QStringLiteral("листът %1 не е от този вариант").arg(sheet.code.sheetId));
            continue;
        }
        for (const Decision& d : decisions[labels[s]])
            if (const auto problem = Apply(d, sheet, counts)) decided.problems.append(*problem);
        decisions.erase(labels[s]);
        if (!sheet.complete())
            decided.problems.append(
                QStringLiteral("листът %1 има ред без решение").arg(sheet.code.sheetId));
    }
    for (const auto& [id, list] : decisions)
        decided.problems.append(Problem(list.front().line, QStringLiteral("няма лист %1").arg(id)));
    if (decided.problems.isEmpty()) decided.sheets = std::move(sheets);
    return decided;
}

} // namespace vorn
