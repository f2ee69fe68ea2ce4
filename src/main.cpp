// vorn-player: creates the application and the main form, starts the run
// before the window is first shown, and hands over to the event loop.

#include "bank/bank_limits.h"
#include "platform/exit_status.h"
#include "platform/qt/form_view.h"
#include "platform/qt/messages.h"
#include "platform/qt/startup.h"
#include "shipped/shipped_bank.h"
#include "window/vorn_prazno.h"

#include <QApplication>
#include <cstdio>
#include <exception>

namespace {

int Play(int argc, char** argv) {
    vorn::ExitCleanlyWithoutDisplay(argc, argv);
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
        vorn::ShowErrorAndWait(form.Caption, error.message());
        return vorn::kExitRefused;
    }

    vorn::FormView view(form);
    view.show();
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Play(argc, argv);
    } catch (const std::exception& fault) {
        std::fprintf(stderr, "vorn-player: вътрешна грешка: %s\n", fault.what());
    } catch (...) {
        std::fprintf(stderr, "vorn-player: вътрешна грешка\n");
    }
    return vorn::kExitFault;
}
