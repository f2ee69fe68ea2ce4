#include "bank_file.h"

#include "bank_json.h"
#include "gift_import.h"
#include "moodle_xml_import.h"
#include "text_place.h"

#include <QFile>
#include <QFileInfo>

namespace vorn {

namespace {

LoadedBank Refused(const QString& message, int line = 0, int column = 0) {
    LoadedBank bank;
    bank.issues.push_back({.line = line, .column = column, .message = message});
    return bank;
}

} // namespace

bool IsGiftFile(const QString& path) {
    return path.endsWith(QStringLiteral(".gift"), Qt::CaseInsensitive);
}

bool IsMoodleXmlFile(const QString& path) {
    return path.endsWith(QStringLiteral(".xml"), Qt::CaseInsensitive);
}

LoadedBank LoadBankFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return Refused(QStringLiteral("файлът не съществува."));
    if (!info.isFile()) return Refused(QStringLiteral("това не е файл."));
    const qint64 cap = IsMoodleXmlFile(path) ? kMaxMoodleXmlFileBytes : kMaxBankFileBytes;
    if (info.size() > cap)
        return Refused(QStringLiteral("файлът е по-голям от %1 MiB.").arg(cap / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Refused(QStringLiteral("файлът не може да се прочете: %1.").arg(file.errorString()));
    const QByteArray bytes = file.read(cap + 1);
    if (bytes.size() > cap) // grew since it was measured
        return Refused(QStringLiteral("файлът е по-голям от %1 MiB.").arg(cap / (1024 * 1024)));

    if (IsMoodleXmlFile(path)) return ImportMoodleXml(bytes, path);
    if (!IsGiftFile(path)) {
        PictureFolder folder(info.absolutePath());
        return ReadBankJson(bytes, [&folder](const QString& name) { return folder.read(name); });
    }
    if (const std::optional<QString> encoding = Utf16Name(bytes))
        return Refused(QStringLiteral("текстът не е в UTF-8, а в %1; запишете файла като UTF-8.")
                           .arg(*encoding),
                       1, 1);
    if (const auto bad = FirstInvalidUtf8(bytes)) {
        const auto [line, column] = PlaceOf(bytes, *bad);
        return Refused(QStringLiteral("текстът не е в UTF-8."), line, column);
    }
    return ImportGift(QString::fromUtf8(bytes), path);
}

} // namespace vorn
