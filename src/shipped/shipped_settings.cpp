#include "shipped_bank.h"

namespace vorn {

BankSettings ShippedSettings() {
    return {.title = QStringLiteral("ВОРН по Геометрия - успоредник"),
            .phrasePreview = false,
            .check = CheckMode::WithQuestion,
            .explanations = true,
            .reviewNavigation = false};
}

QString AuthorNote() {
    return QStringLiteral(
        "List1(0) e spisykyt s wernite otgowori.\r\n"
        "Wseki drug List1 ima wyprosa na red 0, a sled nego - razlichen broj distraktori.\r\n"
        "Poredica e spisykyt s wyzmovnite permutacii.\r\n"
        "Izbraniqt butom za otgowor reshawa dali se obrazuwa fraza.\r\n");
}

} // namespace vorn
