// A table as CSV: UTF-8 with a BOM (so that a spreadsheet takes it for
// UTF-8), no thousands separator, rows ending in CR LF, one header row. For
// programs: commas, a decimal point and the columns' fixed names; for a
// Bulgarian spreadsheet, which takes the comma for the decimal one:
// semicolons, a decimal comma, the columns' Bulgarian labels and a time as
// hours, minutes and seconds ("0:12:34"), which it reads as a duration (a
// time past 24 hours too) where it would read a count of seconds as a count.

#include "cell_text.h"
#include "results_report.h"

namespace vorn {

namespace {

// A spreadsheet takes a cell beginning with one of these as a formula, and a
// title or an option from a record is anyone's text. Such a cell gets an
// apostrophe before it, which shows it as text, and is quoted. Numbers are
// written as numbers and never pass here.
bool ReadsAsFormula(const QString& text) {
    return !text.isEmpty() && QStringView(u"=+-@\t\r").contains(text.front());
}

struct Form {
    QChar separator, point;
    bool durations = false; // seconds as h:mm:ss
};

Form FormOf(CsvLocale locale) {
    return locale == CsvLocale::Bulgarian ? Form{u';', u',', true} : Form{u',', u'.', false};
}

QString DurationText(double seconds) {
    const auto whole = static_cast<qint64>(seconds);
    const auto twoDigits = [](qint64 n) { return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')); };
    return QStringLiteral("%1:%2:%3")
        .arg(whole / 3600)
        .arg(twoDigits(whole / 60 % 60), twoDigits(whole % 60));
}

QString Field(const QString& text, const Form& form) {
    const bool formula = ReadsAsFormula(text);
    if (!formula && !text.contains(form.separator) && !text.contains(u'"') &&
        !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    const QString cell = formula ? u'\'' + text : text;
    return u'"' + QString(cell).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString CellText(const Cell& cell, bool duration, const Form& form) {
    if (!cell.number) return Field(SpreadsheetText(cell.text), form);
    if (duration && form.durations) return DurationText(*cell.number);
    return cell.decimals ? FigureText(cell.number, form.point)
                         : QString::number(*cell.number, 'f', 0);
}

} // namespace

QByteArray TableCsv(const Table& table, CsvLocale locale) {
    const Form form = FormOf(locale);
    QStringList header;
    for (const Column& column : table.columns)
        header.append(Field(locale == CsvLocale::Bulgarian ? column.label : column.id, form));
    QString csv = header.join(form.separator) + QStringLiteral("\r\n");
    for (const std::vector<Cell>& row : table.rows) {
        QStringList fields;
        for (std::size_t c = 0; c < row.size(); ++c)
            fields.append(CellText(row[c], IsDurationColumn(table.columns[c]), form));
        csv += fields.join(form.separator) + QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + csv.toUtf8();
}

} // namespace vorn
