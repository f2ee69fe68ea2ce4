// The keyboard: every key does exactly what a click on the control does, and
// only while that control takes input. The option in slot 1..5 is chosen with
// 1..5, A..E or the Cyrillic А..Д; Page Down and Page Up are "Напред" and
// "Назад" of the mode on screen. Grading has no key, so that it never happens
// by accident. Tab, Space and Enter work as on every button, and the arrow
// keys move within the option buttons.

#include "form_view.h"

#include <QShortcut>

namespace vorn {

void FormView::buildKeys() {
    const QString latin = QStringLiteral("ABCDE"), cyrillic = QStringLiteral("АБВГД");
    for (int i = 0; i < 5; ++i) {
        const Qt::Key keys[] = {Qt::Key(Qt::Key_1 + i), Qt::Key(latin[i].unicode()),
                                Qt::Key(cyrillic[i].unicode())};
        for (const Qt::Key key : keys)
            connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this,
                    [this, i] { choose(i); });
    }
    const auto move = [this](int testButton, int reviewButton) {
        // Only one of the two pairs is on screen at a time.
        if (controls().Command1(testButton).Visible)
            press(controls().Command1(testButton), [this, testButton] {
                form_.Command1_Click(static_cast<std::int16_t>(testButton));
            });
        else
            press(controls().Command2(reviewButton), [this, reviewButton] {
                form_.Command2_Click(static_cast<std::int16_t>(reviewButton));
            });
    };
    connect(new QShortcut(QKeySequence(Qt::Key_PageDown), this), &QShortcut::activated, this,
            [move] { move(0, 1); });
    connect(new QShortcut(QKeySequence(Qt::Key_PageUp), this), &QShortcut::activated, this,
            [move] { move(1, 2); });
}

} // namespace vorn
