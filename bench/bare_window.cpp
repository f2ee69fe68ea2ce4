// vorn-bare-window: the yardstick for the player's start-up. A plain Qt
// Widgets window of the player's size (a 727 x 463 client area under a menu
// bar with two commands, a label in it) that quits after its first frame.

#include "view/first_frame.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addAction(QStringLiteral("Изход"));
    window.menuBar()->addAction(QStringLiteral("Автор"));
    auto* label = new QLabel(QStringLiteral("Тест"), &window);
    label->setFixedSize(727, 463);
    window.setCentralWidget(label);
    vorn::QuitAfterFirstFrame(label);
    window.show();
    return app.exec();
}
