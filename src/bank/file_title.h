#pragma once
// The title an imported bank gets when its file names none: the file's name
// without its folder and its last extension.

#include <QString>

namespace vorn {

// "/x/present-simple.gift" and "C:\x\present-simple.gift" give "present-simple".
QString TitleFromFileName(const QString& fileName);

} // namespace vorn
