#pragma once
// A bank from a file: a "vorn-bank" JSON file (bank_json.h) with its pictures
// in its folder, a Moodle GIFT file (name ending in .gift), a Moodle Aiken
// file (.aiken, or .txt that reads as Aiken), a Moodle XML export (.xml), or
// any of these locked with a password (locked_bank.h), told by its content.
// Each is read whole, up to a size cap; JSON, GIFT and Aiken as UTF-8, XML in
// the encoding it declares.

#include "loaded_bank.h"
#include "password_tries.h"

#include <QString>

namespace vorn {

constexpr qint64 kMaxBankFileBytes = 4 * 1024 * 1024;
// Moodle XML carries its pictures inside, as base64.
constexpr qint64 kMaxMoodleXmlFileBytes = 64 * 1024 * 1024;

bool IsGiftFile(const QString& path);
bool IsMoodleXmlFile(const QString& path);

// A locked bank asks `askPassword` (none: it is refused as locked).
LoadedBank LoadBankFile(const QString& path, const PasswordAsker& askPassword = {});

} // namespace vorn
