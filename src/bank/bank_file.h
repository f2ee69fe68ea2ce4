#pragma once
// A bank from a file: a "vorn-bank" JSON file (bank_json.h) with its pictures
// in its folder, a Moodle GIFT file (name ending in .gift), a Moodle Aiken
// file (.aiken, or .txt that reads as Aiken) or a Moodle XML export (.xml).
// Each is read whole, up to a size cap; JSON, GIFT and Aiken as UTF-8, XML in
// the encoding it declares.

#include "loaded_bank.h"

#include <QString>

namespace vorn {

constexpr qint64 kMaxBankFileBytes = 4 * 1024 * 1024;
// Moodle XML carries its pictures inside, as base64.
constexpr qint64 kMaxMoodleXmlFileBytes = 64 * 1024 * 1024;

bool IsGiftFile(const QString& path);
bool IsMoodleXmlFile(const QString& path);

LoadedBank LoadBankFile(const QString& path);

} // namespace vorn
