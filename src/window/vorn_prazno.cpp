// Creating the main form, the author notice and the exit command.

#include "vorn_prazno.h"

namespace vorn {

QString PublisherAddress() {
    return QStringLiteral("https://vorn.example.org/");
}

VORN_Prazno::VORN_Prazno(QuestionBank& bank, RandomSource& random) : VORN_Danni(bank), Rnd(random) {
    LoadDesign();
    Option1.setClickHandler([this](std::int16_t index) { Option1_Click(index); });
}

void VORN_Prazno::autor_Click() {
    Text1(0).Text =
        QStringLiteral("За повече информация посетете ") + PublisherAddress() + QStringLiteral(".");
}

void VORN_Prazno::izhod_Click(std::int16_t /*Index*/) {
    VORN_Danni.Unload();
    End();
}

} // namespace vorn
