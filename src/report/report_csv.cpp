// A table as CSV: UTF-8 with a BOM (so that a spreadsheet takes it for
// UTF-8), no thousands separator, rows ending in CR LF, one header row. For
// programs: commas, a decimal point and the columns' fixed names; for a
// Bulgarian spreadsheet, which takes the comma for the decimal one:
// semicolons, a decimal comma and the columns' Bulgarian labels.

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
};

Form FormOf(CsvLocale locale) {
    return locale == CsvLocale::Bulgarian ? Form{u';', u','} : Form{u',', u'.'};
}

QString Field(const QString& text, const Form& form) {
    const bool formula = ReadsAsFormula(text);
    if (!formula && !text.contains(form.separator) && !text.contains(u'"') &&
        !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    const QString cell = formula ? u'\'' + text : text;
    return u'"' + QString(cell).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString CellText(const Cell& cell, const Form& form) {
    if (!cell.number) return Field(SpreadsheetText(cell.text), form);
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
        for (const Cell& cell : row)
            fields.append(CellText(cell, form));
        csv += fields.join(form.separator) + QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + csv.toUtf8();
}

} // namespace vorn
