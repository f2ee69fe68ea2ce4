#include "text_place.h"

#include <QStringDecoder>

#include <QString>
#include <algorithm>

namespace vorn {

std::pair<int, int> PlaceOf(const QByteArray& text, qsizetype offset) {
    offset = std::clamp<qsizetype>(offset, 0, text.size());
    const QByteArrayView before(text.constData(), offset);
    const int line = static_cast<int>(before.count('\n')) + 1;
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    const int column = static_cast<int>(QString::fromUtf8(before.sliced(lineStart)).size()) + 1;
    return {line, column};
}

std::optional<qsizetype> FirstInvalidUtf8(const QByteArray& text) {
    const auto byte = [&text](qsizetype i) { return static_cast<unsigned char>(text[i]); };
    const auto continuation = [&](qsizetype i) {
        return i < text.size() && (byte(i) & 0xC0) == 0x80;
    };
    qsizetype i = 0;
    while (i < text.size()) {
        const unsigned char lead = byte(i);
        int length = 0;
        unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
        if (lead < 0x80) {
            length = 1;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;  // no overlong forms
            if (lead == 0xED) high = 0x9F; // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F; // nothing above U+10FFFF
        } else {
            return i;
        }
        if (length > 1 && (i + 1 >= text.size() || byte(i + 1) < low || byte(i + 1) > high))
            return i;
        for (int k = 2; k < length; ++k)
            if (!continuation(i + k)) return i;
        i += length;
    }
    return std::nullopt;
}

BankIssue NotUtf8At(const QByteArray& text, qsizetype offset) {
    const auto [line, column] = PlaceOf(text, offset);
    return {.line = line,
            .column = column,
            .message = QStringLiteral("текстът не е в UTF-8: запишете файла като UTF-8 (в Notepad: "
                                      "„Запиши като“, „Кодиране: UTF-8“).")};
}

std::optional<QString> Utf16Name(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE")) return QStringLiteral("UTF-16 LE");
    if (bytes.startsWith("\xFE\xFF")) return QStringLiteral("UTF-16 BE");
    if (bytes.size() >= 2 && bytes[0] != 0 && bytes[1] == 0) return QStringLiteral("UTF-16 LE");
    if (bytes.size() >= 2 && bytes[0] == 0 && bytes[1] != 0) return QStringLiteral("UTF-16 BE");
    return std::nullopt;
}

std::optional<QString> ReadAsWindows1251(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1251"); // Qt's own, where it has the codec
    if (!decoder.isValid()) return std::nullopt;
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    // Bulgarian is words of Cyrillic letters; a byte of another encoding (the
    // é of "café") reads as a Cyrillic letter inside a Latin word.
    const auto latinLetter = [&text](qsizetype k) {
        return k >= 0 && k < text.size() && text[k].unicode() < 0x80 && text[k].isLetter();
    };
    int beyond = 0, cyrillic = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() < 0x80) continue;
        ++beyond;
        cyrillic += text[i].script() == QChar::Script_Cyrillic && !latinLetter(i - 1) &&
                    !latinLetter(i + 1);
    }
    if (cyrillic < 3 || cyrillic * 10 < beyond * 9) return std::nullopt;
    return text;
}

} // namespace vorn
