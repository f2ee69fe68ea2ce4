#pragma once
// The bank format "vorn-bank": a UTF-8 JSON file with the test's settings,
// its author note and its questions, pictures named relative to the file.
//
//   {
//     "format": "vorn-bank",
//     "version": 1,
//     "settings": ["Настройки - последната цифра", "ЧЕО - фраза от 2 части - 0",
//                  "Проверка за Тото - 1", "<title>", "Дава описание - 1",
//                  "Дава обяснения - 0"],
//     "authorNote": "...",                      (optional)
//     "questions": [
//       { "text": "...", "options": ["...", "..."], "key": "...",
//         "explanation": ["line", ...],          (optional)
//         "picture": "pictures/q01.jpg" }        (optional)
//     ]
//   }
//
// A file of a later version is refused; a field the version does not know is
// a warning (probably a misspelt name).

#include "bank_pictures.h"
#include "loaded_bank.h"

#include <QByteArray>
#include <functional>

namespace vorn {

inline constexpr int kBankFormatVersion = 1;

// Reads a bank from the JSON text; pictures come from `pictures`.
LoadedBank ReadBankJson(const QByteArray& json, const PictureReader& pictures);

// Writes the bank in the format; `pictureName` gives each picture's name in
// the file (the same picture, the same name).
QByteArray WriteBankJson(const BankContent& content,
                         const std::function<QString(const Picture&)>& pictureName);

} // namespace vorn
