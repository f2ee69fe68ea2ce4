#pragma once
// An open sheet kept as one line of compact JSON, to be recorded later:
//   {"code":"<the QR code's text>","file":"...","page":1,
//    "rows":[0,null,"?",...],"number":12 | "?" | null}
// A row is its slot, null for no answer, "?" while open.

#include "open_sheet.h"

#include <QByteArray>
#include <optional>

namespace vorn {

QByteArray OpenSheetJson(const OpenSheet& sheet);
// None when the text is not such a line; open rows come back with an empty
// problem.
std::optional<OpenSheet> OpenSheetOfJson(const QByteArray& json);

} // namespace vorn
