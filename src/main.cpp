// vorn-player: creates the application and the main form, starts the run
// before the window is first shown, and hands over to the event loop.

#include "bank/bank_limits.h"
#include "shipped/shipped_bank.h"
#include "platform/qt/form_view.h"
#include "platform/qt/startup.h"
#include "window/vorn_prazno.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

int main(int argc, char** argv) {
    vorn::ExitCleanlyWithoutDisplay();
    QApplication app(argc, argv);
    vorn::DisplayOpened();
    vorn::ApplyLook(app);

    vorn::QuestionBank bank;
    bank.Load(vorn::ShippedBank());
    vorn::ClockRandom random;
    vorn::VORN_Prazno form(bank, random);
    try {
        form.Form_Load();
    } catch (const vorn::BankLimitError& error) {
        std::fprintf(stderr, "vorn-player: %s\n", error.what());
        QMessageBox::critical(nullptr, form.Caption, error.message());
        return 2;
    }

    vorn::FormView view(form);
    view.show();
    return app.exec();
}
