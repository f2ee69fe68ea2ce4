#include "secret_bytes.h"

#include <sodium.h>

namespace vorn {

SecretBytes SecretBytes::FromPassword(const QString& typed) {
    QString normal = typed.trimmed().normalized(QString::NormalizationForm_C);
    QByteArray utf8 = normal.toUtf8();
    SecretBytes bytes(std::vector<char>(utf8.constBegin(), utf8.constEnd()));
    WipeText(normal);
    ::sodium_memzero(utf8.data(), static_cast<std::size_t>(utf8.size()));
    return bytes;
}

SecretBytes& SecretBytes::operator=(SecretBytes&& other) noexcept {
    if (this != &other) {
        wipe();
        bytes_ = std::move(other.bytes_);
    }
    return *this;
}

void SecretBytes::wipe() {
    if (!bytes_.empty()) ::sodium_memzero(bytes_.data(), bytes_.size());
    bytes_.clear();
}

void WipeText(QString& text) {
    if (text.isEmpty()) return;
    ::sodium_memzero(text.data(), static_cast<std::size_t>(text.size()) * sizeof(QChar));
    text.clear();
}

} // namespace vorn
