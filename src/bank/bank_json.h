#pragma once
// The bank format "vorn-bank": a UTF-8 JSON file with the test's settings,
// its author note and its questions, pictures named relative to the file.
//
// Version 2 names each setting by its meaning:
//   {
//     "format": "vorn-bank",
//     "version": 2,
//     "title": "...",
//     "phraseMode": false,         (optional, false: the filled-phrase preview)
//     "checkQuestion": true,       (optional, false: question 1 again at the end)
//     "checkVerdict": true,        (optional, as checkQuestion: the verdict of the check;
//                                   alone it compares the first and the last question)
//     "explanations": true,        (optional, true: explanations in review)
//     "reviewNavigation": true,    (optional, true: paging through the review)
//     "publisher": "https://...",  (optional: the address before the window's caption)
//     "formulasAsText": false,     (optional: TeX between \( \), \[ \] or $$ $$ in the
//                                   texts shown as text, tex_text.h; a bank written
//                                   back holds the texts so shown)
//     "authorNote": "...",         (optional)
//     "questions": [
//       { "id": "...",                           (optional, unique: a stable name)
//         "text": "...", "options": ["...", "..."], "key": "...",
//         "explanation": ["line", ...],          (optional)
//         "picture": "pictures/q01.jpg" }        (optional)
//     ]
//   }
//
// An option may be a picture, in place of its text: {"picture": "file"}, with
// the same rules as a question's picture; it goes by the file's name without
// folders, or by its "name" where one is given, and the key names it so.
//
// Version 1 keeps the six settings items as the window once read them, each a
// text whose last digit is the value ("Проверка за Тото - 1"), the title the
// whole of the fourth (settings_items.h):
//     "version": 1,
//     "settings": ["Настройки - последната цифра", "ЧЕО - фраза от 2 части - 0",
//                  "Проверка за Тото - 1", "<title>", "Дава описание - 1",
//                  "Дава обяснения - 0"],
// and has no "publisher" and no question "id". It is read exactly as before.
//
// A file of a later version is refused; a field the version does not know is
// a warning (probably a misspelt name).

#include "bank_pictures.h"
#include "loaded_bank.h"

#include <QByteArray>
#include <functional>

namespace vorn {

inline constexpr int kBankFormatVersion = 2;

// Reads a bank from the JSON text; pictures come from `pictures`.
LoadedBank ReadBankJson(const QByteArray& json, const PictureReader& pictures);

// Writes the bank in the format, version 2 unless told; `pictureName` gives
// each picture's name in the file (the same picture, the same name).
QByteArray WriteBankJson(const BankContent& content,
                         const std::function<QString(const Picture&)>& pictureName,
                         int version = kBankFormatVersion);

} // namespace vorn
