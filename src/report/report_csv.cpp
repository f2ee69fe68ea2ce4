// A table as CSV for programs: UTF-8 with a BOM (so that a spreadsheet takes
// it for UTF-8), commas, a decimal point and no thousands separator, rows
// ending in CR LF, one header row of the columns' fixed names.

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

QString Field(const QString& text) {
    const bool formula = ReadsAsFormula(text);
    if (!formula && !text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    const QString cell = formula ? u'\'' + text : text;
    return u'"' + QString(cell).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString CellText(const Cell& cell) {
    if (!cell.number) return Field(cell.text);
    return cell.decimals ? FigureText(cell.number, u'.') : QString::number(*cell.number, 'f', 0);
}

} // namespace

QByteArray TableCsv(const Table& table) {
    QStringList header;
    for (const Column& column : table.columns)
        header.append(column.id);
    QString csv = header.join(u',') + QStringLiteral("\r\n");
    for (const std::vector<Cell>& row : table.rows) {
        QStringList fields;
        for (const Cell& cell : row)
            fields.append(CellText(cell));
        csv += fields.join(u',') + QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + csv.toUtf8();
}

} // namespace vorn
