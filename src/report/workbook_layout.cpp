#include "workbook_layout.h"

#include <algorithm>
#include <utility>

namespace vorn {

namespace {

bool HasTestColumns(const Table& table) {
    return table.columns.size() >= 2 && table.columns[0].id == QLatin1String("bank") &&
           table.columns[1].id == QLatin1String("sha256");
}

bool IsNumberColumn(const Column& column) {
    return column.id == QLatin1String("number") || column.id == QLatin1String("question");
}

// A text of at most nine digits as the number it writes; other cells as they are.
Cell AsNumber(const Cell& cell) {
    const QString& text = cell.text;
    if (cell.number || text.isEmpty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return cell;
    return {.text = {}, .number = text.toDouble(), .decimals = 0};
}

} // namespace

std::vector<Table> WorkbookTables(const std::vector<Table>& tables) {
    Table tests{.name = "tests",
                .sheet = QStringLiteral("Тестове"),
                .columns = {{"test", QStringLiteral("Тест"), 6},
                            {"bank", QStringLiteral("Заглавие"), 40},
                            {"sha256", QStringLiteral("SHA-256"), 70}},
                .rows = {}};
    // A test's number: its row on the tests' sheet, added when first named.
    const auto testNumber = [&tests](const Cell& title, const Cell& sha256) {
        const auto same = [&](const std::vector<Cell>& row) { return row[2].text == sha256.text; };
        auto it = std::find_if(tests.rows.begin(), tests.rows.end(), same);
        if (it == tests.rows.end()) {
            const auto number = static_cast<double>(tests.rows.size() + 1);
            tests.rows.push_back({{.text = {}, .number = number, .decimals = 0},
                                  TextCell(title.text),
                                  TextCell(sha256.text)});
            it = tests.rows.end() - 1;
        }
        return it->front();
    };
    std::vector<Table> laid;
    for (const Table& table : tables) {
        if (!HasTestColumns(table)) {
            laid.push_back(table);
            continue;
        }
        Table own{.name = table.name,
                  .sheet = table.sheet,
                  .columns = {table.columns.begin() + 2, table.columns.end()},
                  .rows = {}};
        own.columns.push_back({"test", QStringLiteral("Тест"), 6});
        for (const std::vector<Cell>& row : table.rows) {
            std::vector<Cell> cells;
            for (std::size_t c = 2; c < row.size(); ++c)
                cells.push_back(IsNumberColumn(table.columns[c]) ? AsNumber(row[c]) : row[c]);
            cells.push_back(testNumber(row[0], row[1]));
            own.rows.push_back(std::move(cells));
        }
        laid.push_back(std::move(own));
    }
    laid.push_back(std::move(tests));
    return laid;
}

} // namespace vorn
