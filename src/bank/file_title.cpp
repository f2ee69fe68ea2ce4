#include "file_title.h"

#include <algorithm>

namespace vorn {

QString TitleFromFileName(const QString& fileName) {
    const qsizetype slash = std::max(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\'));
    const QString name = fileName.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.left(dot) : name;
}

} // namespace vorn
