#pragma once
// Readable failure messages for a bank's settings.

#include "bank/bank_settings.h"

#include <ostream>

namespace vorn {

inline void PrintTo(CheckMode check, std::ostream* out) {
    *out << (check == CheckMode::WithQuestion  ? "WithQuestion"
             : check == CheckMode::VerdictOnly ? "VerdictOnly"
                                               : "Off");
}

inline void PrintTo(const BankSettings& s, std::ostream* out) {
    *out << "{\"" << s.title.toStdString() << "\" phrase " << s.phrasePreview << " check ";
    PrintTo(s.check, out);
    *out << " explanations " << s.explanations << " navigation " << s.reviewNavigation << "}";
}

} // namespace vorn
