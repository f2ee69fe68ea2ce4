// The tables as one workbook, written with libxlsxwriter: a sheet per table,
// its header row bold and frozen, its columns as wide as set, numbers as
// numbers (two decimals where they have them), so that a spreadsheet in any
// language reads them as numbers. libxlsxwriter writes to a path, so the
// workbook is made in a folder of its own and read back.

#include "results_report.h"

#include <QFile>
#include <QTemporaryDir>
#include <xlsxwriter.h>

namespace vorn {

namespace {

// The longest text a cell takes, in characters; a longer one is cut.
constexpr qsizetype kMaxCellText = 32767;

struct Formats {
    lxw_format* header;
    lxw_format* whole;
    lxw_format* decimals;
};

Formats AddFormats(lxw_workbook* workbook) {
    Formats formats{workbook_add_format(workbook), workbook_add_format(workbook),
                    workbook_add_format(workbook)};
    format_set_bold(formats.header);
    format_set_text_wrap(formats.header);
    format_set_align(formats.header, LXW_ALIGN_VERTICAL_TOP);
    format_set_num_format(formats.whole, "0");
    format_set_num_format(formats.decimals, "0.00");
    return formats;
}

lxw_error WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const Cell& cell,
                    const Formats& formats) {
    if (cell.number)
        return worksheet_write_number(sheet, row, column, *cell.number,
                                      cell.decimals ? formats.decimals : formats.whole);
    if (cell.text.isEmpty()) return LXW_NO_ERROR;
    const QByteArray text = cell.text.left(kMaxCellText).toUtf8();
    return worksheet_write_string(sheet, row, column, text.constData(), nullptr);
}

lxw_error WriteSheet(lxw_workbook* workbook, const Table& table, const Formats& formats) {
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, table.sheet.toUtf8().constData());
    if (!sheet) return LXW_ERROR_MEMORY_MALLOC_FAILED;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        const auto column = static_cast<lxw_col_t>(c);
        const Column& info = table.columns[c];
        worksheet_set_column(sheet, column, column, info.width, nullptr);
        if (const lxw_error error = worksheet_write_string(
                sheet, 0, column, info.label.toUtf8().constData(), formats.header))
            return error;
    }
    worksheet_freeze_panes(sheet, 1, 0);
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        for (std::size_t c = 0; c < table.rows[r].size(); ++c)
            if (const lxw_error error =
                    WriteCell(sheet, static_cast<lxw_row_t>(r + 1), static_cast<lxw_col_t>(c),
                              table.rows[r][c], formats))
                return error;
    return LXW_NO_ERROR;
}

} // namespace

std::variant<QByteArray, QString> ReportWorkbook(const std::vector<Table>& tables) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.xlsx"));
    const QByteArray folder = QFile::encodeName(dir.path());
    lxw_workbook_options options{};
    options.tmpdir = const_cast<char*>(folder.constData());
    lxw_workbook* workbook =
        dir.isValid() ? workbook_new_opt(QFile::encodeName(path).constData(), &options) : nullptr;
    if (!workbook) return QStringLiteral("работната книга не може да се създаде.");
    const Formats formats = AddFormats(workbook);
    lxw_error error = LXW_NO_ERROR;
    for (const Table& table : tables)
        if (!error) error = WriteSheet(workbook, table, formats);
    // Closing writes the file, and frees the workbook whatever happened.
    const lxw_error closed = workbook_close(workbook);
    if (!error) error = closed;
    if (error)
        return QStringLiteral("работната книга не може да се запише: %1.")
            .arg(QString::fromUtf8(lxw_strerror(error)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("работната книга не може да се прочете: %1.").arg(file.errorString());
    return file.readAll();
}

} // namespace vorn
