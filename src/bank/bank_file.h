#pragma once
// A bank from a file: a Moodle GIFT file (name ending in .gift), a Moodle
// Aiken file (.aiken, or .txt that reads as Aiken), or else a "vorn-bank"
// JSON file (bank_json.h) with its pictures in its folder. Each is read whole,
// up to a size cap, as UTF-8.

#include "loaded_bank.h"

#include <QString>

namespace vorn {

constexpr qint64 kMaxBankFileBytes = 4 * 1024 * 1024;

bool IsGiftFile(const QString& path);

LoadedBank LoadBankFile(const QString& path);

} // namespace vorn
