// The keyboard: every key does exactly what a click on the control does, and
// only while that control takes input. An option is chosen by the key that
// shows its button's letter, or its number (option_keys.h); Page Down and
// Page Up are "Напред" and "Назад" of the mode on screen. Grading has no key, so that it never
// happens by accident. Tab, Space and Enter work as on every button, and the arrow keys move within
// the option buttons.

#include "form_view.h"
#include "option_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>

namespace vorn {

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    // Seen before the widget with the focus, whatever it is, so that a letter
    // chooses its option from a text box too; only in this window.
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const std::optional<int> option =
        OptionOfKey({.key = key->key(),
                     .modifiers = static_cast<int>(key->modifiers()),
                     .nativeScanCode = key->nativeScanCode(),
                     .scanCodesAreX11 = QGuiApplication::platformName() == QLatin1String("xcb")});
    if (!option) return false;
    choose(*option);
    return true;
}

void FormView::buildKeys() {
    qApp->installEventFilter(this);
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
