#include "moodle_picture.h"

namespace vorn::moodle {

PictureResult PictureFromBase64(const QString& name, const QString& base64) {
    QByteArray encoded;
    encoded.reserve(base64.size());
    for (const QChar c : base64) // exports wrap the text in lines
        if (!c.isSpace()) encoded.append(c.toLatin1());
    const QString tooLarge = QStringLiteral("картинката „%1“ е по-голяма от %2 MiB.")
                                 .arg(name, QString::number(kMaxPictureFileBytes / (1024 * 1024)));
    // Checked before decoding: four characters of base64 carry three bytes.
    if (encoded.size() / 4 * 3 > kMaxPictureFileBytes + 3) return tooLarge;
    const auto decoded =
        QByteArray::fromBase64Encoding(encoded, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return QStringLiteral("картинката „%1“ не е правилно записана в base64.").arg(name);
    if (decoded.decoded.size() > kMaxPictureFileBytes) return tooLarge;
    const auto size = DecodedSize(decoded.decoded);
    if (const auto* problem = std::get_if<QString>(&size))
        return QStringLiteral("картинката „%1“ не може да се покаже: %2").arg(name, *problem);
    return MakePicture(decoded.decoded);
}

} // namespace vorn::moodle
