#pragma once
// Bytes that must not outlive their use: a password, or a bank as decrypted.
// Move-only, so that no stray copy is left behind, and wiped when they go.

#include <QByteArray>
#include <QString>
#include <vector>

namespace vorn {

class SecretBytes {
public:
    SecretBytes() = default;
    explicit SecretBytes(std::vector<char> bytes) : bytes_(std::move(bytes)) {}
    // The UTF-8 of a password as typed, trimmed and composed (NFC), so that
    // a space at either end or another way of typing "й" is the same word.
    static SecretBytes FromPassword(const QString& typed);
    SecretBytes(SecretBytes&& other) noexcept : bytes_(std::move(other.bytes_)) {}
    SecretBytes& operator=(SecretBytes&& other) noexcept;
    SecretBytes(const SecretBytes&) = delete;
    SecretBytes& operator=(const SecretBytes&) = delete;
    ~SecretBytes() { wipe(); }

    const char* data() const { return bytes_.data(); }
    char* data() { return bytes_.data(); }
    qsizetype size() const { return static_cast<qsizetype>(bytes_.size()); }
    bool empty() const { return bytes_.empty(); }
    // A view of the bytes that copies nothing; valid while this lives.
    QByteArray view() const { return QByteArray::fromRawData(data(), size()); }
    bool operator==(const SecretBytes& other) const { return bytes_ == other.bytes_; }

private:
    void wipe();
    std::vector<char> bytes_;
};

// Wipes a QString's characters in place (one not shared with another copy).
void WipeText(QString& text);

} // namespace vorn
