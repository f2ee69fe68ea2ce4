#pragma once
// The title of a bank read from a text format that has none of its own: the
// file's name without its folder and its last extension.

#include <QString>

namespace vorn {

// "/x/present-simple.gift" and "C:\x\present-simple.txt" give "present-simple".
QString TitleFromFileName(const QString& fileName);

} // namespace vorn
