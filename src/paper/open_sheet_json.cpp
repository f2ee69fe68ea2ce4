#include "open_sheet_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vorn {

namespace {

const QString kOpen = QStringLiteral("?");

QJsonValue ValueOf(const std::optional<int>& value, bool open) {
    if (open) return kOpen;
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

// A slot (0..max), null, or "?"; false for anything else.
bool Read(const QJsonValue& value, int max, std::optional<int>& into, bool& open) {
    open = value.toString() == kOpen;
    if (open || value.isNull()) return true;
    const double number = value.toDouble(-1);
    if (!value.isDouble() || number != static_cast<int>(number) || number < 0 || number > max)
        return false;
    into = static_cast<int>(number);
    return true;
}

} // namespace

QByteArray OpenSheetJson(const OpenSheet& sheet) {
    QJsonArray rows;
    for (const RowMark& row : sheet.rows)
        rows.append(ValueOf(row.slot, row.open()));
    QJsonObject object{{"code", SheetCodeText(sheet.code)},
                       {"file", sheet.source.file},
                       {"page", sheet.source.page},
                       {"rows", rows}};
    if (sheet.number) object.insert("number", ValueOf(sheet.number->number, sheet.number->open()));
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<OpenSheet> OpenSheetOfJson(const QByteArray& json) {
    const QJsonObject o = QJsonDocument::fromJson(json).object();
    const auto code = ParseSheetCode(o.value("code").toString());
    const int page = o.value("page").toInt(0);
    if (!code || !o.value("file").isString() || page < 1 || !o.value("rows").isArray())
        return std::nullopt;
    OpenSheet sheet{*code, {o.value("file").toString(), page}, {}, {}};
    for (const QJsonValue& value : o.value("rows").toArray()) {
        RowMark row;
        bool open = false;
        if (!Read(value, 4, row.slot, open)) return std::nullopt;
        if (open) row.problem = QString();
        sheet.rows.push_back(row);
    }
    if (o.contains("number") != !code->student) return std::nullopt;
    if (o.contains("number")) {
        NumberMark number;
        bool open = false;
        if (!Read(o.value("number"), 99, number.number, open)) return std::nullopt;
        if (open) number.problem = QString();
        sheet.number = number;
    }
    return sheet;
}

} // namespace vorn
