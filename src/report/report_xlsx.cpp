// The tables as one workbook, laid out as workbook_layout.h says and written
// with libxlsxwriter: a sheet per table, its header row bold, frozen and
// repeated on every printed page, its columns as wide as set, numbers as
// numbers (two decimals where they have them), so that a spreadsheet in any
// language reads them as numbers, and seconds as durations (m:ss). Each
// sheet prints on A4 landscape, one page wide. libxlsxwriter writes to a
// path, so the workbook is made in a folder of its own and read back.

#include "cell_text.h"
#include "results_report.h"
#include "workbook_layout.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <xlsxwriter.h>

namespace vorn {

namespace {

// The longest text a cell takes, in characters; a longer one is cut.
constexpr qsizetype kMaxCellText = 32767;

constexpr std::uint8_t kPaperA4 = 9;
constexpr double kSecondsPerDay = 24 * 60 * 60;

struct Formats {
    lxw_format* header;
    lxw_format* whole;
    lxw_format* decimals;
    lxw_format* duration;
};

Formats AddFormats(lxw_workbook* workbook) {
    Formats formats{workbook_add_format(workbook), workbook_add_format(workbook),
                    workbook_add_format(workbook), workbook_add_format(workbook)};
    format_set_bold(formats.header);
    format_set_text_wrap(formats.header);
    format_set_align(formats.header, LXW_ALIGN_VERTICAL_TOP);
    format_set_num_format(formats.whole, "0");
    format_set_num_format(formats.decimals, "0.00");
    format_set_num_format(formats.duration, "[m]:ss");
    return formats;
}

lxw_error WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const Cell& cell,
                    bool duration, const Formats& formats) {
    if (cell.number && duration)
        return worksheet_write_number(sheet, row, column, *cell.number / kSecondsPerDay,
                                      formats.duration);
    if (cell.number)
        return worksheet_write_number(sheet, row, column, *cell.number,
                                      cell.decimals ? formats.decimals : formats.whole);
    QString kept = SpreadsheetText(cell.text);
    if (kept.isEmpty()) return LXW_NO_ERROR;
    // Cut where no surrogate pair is split.
    if (kept.size() > kMaxCellText)
        kept.truncate(kMaxCellText - (kept[kMaxCellText - 1].isHighSurrogate() ? 1 : 0));
    const QByteArray text = kept.toUtf8();
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
    worksheet_set_paper(sheet, kPaperA4);
    worksheet_set_landscape(sheet);
    worksheet_fit_to_pages(sheet, 1, 0);
    if (const lxw_error error = worksheet_repeat_rows(sheet, 0, 0)) return error;
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        for (std::size_t c = 0; c < table.rows[r].size(); ++c)
            if (const lxw_error error =
                    WriteCell(sheet, static_cast<lxw_row_t>(r + 1), static_cast<lxw_col_t>(c),
                              table.rows[r][c], IsDurationColumn(table.columns[c]), formats))
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
    for (const Table& table : WorkbookTables(tables))
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
