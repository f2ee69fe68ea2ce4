#pragma once
// The pages of a scanned PDF, each rendered in grey at kPdfPageDpi: a
// copier's PDF is one picture per page.

#include "sheet_scanner.h"

#include <QString>
#include <functional>
#include <optional>

namespace vorn {

std::optional<QString> ForEachPdfPage(const QString& file,
                                      const std::function<void(ScannedPage)>& each);

} // namespace vorn
