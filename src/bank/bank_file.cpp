#include "bank_file.h"

#include "aiken_import.h"
#include "bank_json.h"
#include "gift_import.h"
#include "locked_bank.h"
#include "moodle_xml_import.h"
#include "password_tries.h"
#include "platform/file_failure.h"
#include "platform/regular_file.h"
#include "text_place.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

namespace vorn {

namespace {

LoadedBank Refused(const QString& message, int line = 0, int column = 0) {
    LoadedBank bank;
    bank.issues.push_back({.line = line, .column = column, .message = message});
    return bank;
}

bool EndsWith(const QString& path, const char16_t* extension) {
    return path.endsWith(QString::fromUtf16(extension), Qt::CaseInsensitive);
}

// Text formats are read as UTF-8 only; another encoding is named, not guessed.
std::optional<LoadedBank> NotUtf8(const QByteArray& bytes) {
    if (const std::optional<QString> encoding = Utf16Name(bytes))
        return Refused(QStringLiteral("текстът не е в UTF-8, а в %1; запишете файла като UTF-8.")
                           .arg(*encoding),
                       1, 1);
    if (const auto bad = FirstInvalidUtf8(bytes)) {
        LoadedBank refused;
        refused.issues.push_back(NotUtf8At(bytes, *bad));
        return refused;
    }
    return std::nullopt;
}

// Moodle writes Aiken files as .txt; one is Aiken when it reads as Aiken.
bool IsAikenFile(const QString& path, const QByteArray& bytes) {
    if (EndsWith(path, u".aiken")) return true;
    return EndsWith(path, u".txt") && !NotUtf8(bytes) && LooksLikeAiken(QString::fromUtf8(bytes));
}

} // namespace

bool IsGiftFile(const QString& path) {
    return EndsWith(path, u".gift");
}

bool IsMoodleXmlFile(const QString& path) {
    return path.endsWith(QStringLiteral(".xml"), Qt::CaseInsensitive);
}

LoadedBank LoadBankFile(const QString& path, const PasswordAsker& askPassword) {
    const QFileInfo info(path);
    if (!info.exists()) return Refused(QStringLiteral("файлът не съществува."));
    if (!info.isFile()) return Refused(QStringLiteral("това не е файл."));
    QFile file(path);
    int error = 0;
    switch (OpenRegularFile(file, path, &error)) {
    case OpenOutcome::Opened:
        break;
    case OpenOutcome::Unreadable: // the system's reason, in Bulgarian rather than Qt's English
        return Refused(QStringLiteral("файлът не може да се прочете: %1.").arg(ReadReason(error)));
    case OpenOutcome::Missing: // gone since it was looked at
        return Refused(QStringLiteral("файлът не съществува."));
    case OpenOutcome::Folder:
    case OpenOutcome::NotRegular:
        return Refused(QStringLiteral("това не е файл."));
    }
    const bool locked = IsLockedBank(file.peek(kLockedMagicBytes));
    const qint64 cap = locked                  ? kMaxLockedBankFileBytes
                       : IsMoodleXmlFile(path) ? kMaxMoodleXmlFileBytes
                                               : kMaxBankFileBytes;
    const QByteArray bytes = file.read(cap + 1);
    if (bytes.size() > cap)
        return Refused(QStringLiteral("файлът е по-голям от %1 MiB.").arg(cap / (1024 * 1024)));

    if (locked) return OpenLockedBank(bytes, askPassword);
    if (IsMoodleXmlFile(path)) return ImportMoodleXml(bytes, path);
    // Bulgarian saved as windows-1251 is read, with a warning to save it as
    // UTF-8; any other encoding is refused with the same advice.
    std::optional<QString> windows1251;
    if (!Utf16Name(bytes) && FirstInvalidUtf8(bytes)) windows1251 = ReadAsWindows1251(bytes);
    const QByteArray utf8 = windows1251 ? windows1251->toUtf8() : bytes;
    const bool gift = IsGiftFile(path);
    LoadedBank bank;
    PictureFolder folder(info.absolutePath(), BankMemory(utf8.size()));
    const PictureReader pictures = [&folder](const QString& name) { return folder.read(name); };
    if (!gift && !IsAikenFile(path, utf8)) {
        bank = ReadBankJson(utf8, pictures);
    } else if (auto refused = NotUtf8(utf8)) {
        return std::move(*refused);
    } else {
        const QString text = QString::fromUtf8(utf8);
        bank = gift ? ImportGift(text, path, pictures) : ImportAiken(text, path);
    }
    if (windows1251)
        bank.issues.insert(bank.issues.begin(),
                           {.severity = BankIssue::Severity::Warning,
                            .message = QStringLiteral(
                                "файлът е записан в windows-1251 (кирилицата на Windows), а не в "
                                "UTF-8; прочетен е така, но го запишете като UTF-8 (в Notepad: "
                                "„Запиши като“, „Кодиране: UTF-8“).")});
    return bank;
}

} // namespace vorn
