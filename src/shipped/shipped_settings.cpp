#include "shipped_bank.h"

namespace vorn {

QStringList ShippedSettings() {
    return {
        QStringLiteral("Настройки - последната цифра"),
        QStringLiteral("ЧЕО - фраза от 2 части - 0"),
        QStringLiteral("Проверка за Тото - 1"),
        QStringLiteral("ВОРН по Геометрия - успоредник"),
        QStringLiteral("Дава описание - 1"),
        QStringLiteral("Дава обяснения - 0"),
    };
}

QString AuthorNote() {
    return QStringLiteral(
        "List1(0) e spisykyt s wernite otgowori.\r\n"
        "Wseki drug List1 ima wyprosa na red 0, a sled nego - razlichen broj distraktori.\r\n"
        "Poredica e spisykyt s wyzmovnite permutacii.\r\n"
        "Izbraniqt butom za otgowor reshawa dali se obrazuwa fraza.\r\n");
}

} // namespace vorn
