#pragma once
// A results file's line read back as a record (result_record.h), whole or
// not at all. Reading a line is two steps kept apart: the line gives the
// record's JSON text (today the line is that text), and the text gives the
// record.

#include "result_record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace vorn {

// A record from its JSON text; none when it is not a whole record of a known
// version. `roomAfter`: as FastRecordFields (record_fields.h) takes it.
std::optional<ResultRecord> ParseRecordJson(QByteArrayView json, qsizetype roomAfter = 0);

// A line of a results file read back; none when it is not a whole record of
// a known version.
std::optional<ResultRecord> ParseRecordLine(const QByteArray& line);

} // namespace vorn
