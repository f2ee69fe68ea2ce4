#include "sheet_instructions.h"

namespace vorn {

QStringList SheetInstructions() {
    return {
        QStringLiteral("Оцветете изцяло кръгчето на избрания отговор с тъмна химикалка. "
                       "На всеки ред — само един отговор."),
        QStringLiteral("За поправка: зачеркнете оцветеното кръгче с голям кръст X, който излиза "
                       "извън него, и оцветете верния отговор."),
        QStringLiteral("Не пишете до черните квадратчета в ъглите и върху QR кода; не сгъвайте "
                       "листа."),
    };
}

} // namespace vorn
