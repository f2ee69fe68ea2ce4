#include "bank_memory.h"

#include <algorithm>

namespace vorn {

namespace {

constexpr qint64 kBytesPerPixel = 4; // pictures are drawn from 32-bit pixels

qint64 DecodedBytes(QSize size) {
    return size.isValid() ? qint64{size.width()} * size.height() * kBytesPerPixel : 0;
}

qint64 Megabytes(qint64 bytes) {
    return (bytes + 1024 * 1024 - 1) / (1024 * 1024);
}

} // namespace

BankMemory::BankMemory(qint64 textBytes, qint64 budget) : budget_(budget), text_(2 * textBytes) {}

bool BankMemory::hold(qint64 fileBytes, QSize declared) {
    const qint64 largest = std::max(largestDecoded_, DecodedBytes(declared));
    if (text_ + files_ + fileBytes + largest > budget_) return false;
    files_ += fileBytes;
    largestDecoded_ = largest;
    return true;
}

qint64 BankMemory::held() const {
    return text_ + files_ + largestDecoded_;
}

QString OverMemoryBudget(const QString& name, const BankMemory& memory) {
    return QStringLiteral("с картинката „%1“ банката заема повече от %2 MiB памет (текстът и "
                          "картинките заедно, досега %3 MiB); намалете картинките (размер на "
                          "файла и точки) или ги разделете в няколко банки.")
        .arg(name, QString::number(Megabytes(memory.budget())),
             QString::number(Megabytes(memory.held())));
}

} // namespace vorn
