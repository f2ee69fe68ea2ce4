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
    // The keys act as the pair of buttons of the attempt's mode would, and
    // only where that button takes input.
    const auto move = [this](bool forward) {
        const MoveButtons& moves = controls().moves;
        const bool inTest = form_.attempt().mode() == RunMode::Test;
        const CommandButton& button = inTest ? (forward ? moves.forward : moves.back)
                                             : (forward ? moves.reviewForward : moves.reviewBack);
        press(button, [this, forward] { forward ? form_.forward() : form_.back(); });
    };
    connect(new QShortcut(QKeySequence(Qt::Key_PageDown), this), &QShortcut::activated, this,
            [move] { move(true); });
    connect(new QShortcut(QKeySequence(Qt::Key_PageUp), this), &QShortcut::activated, this,
            [move] { move(false); });
}

} // namespace vorn
