#include "form_view.h"

#include "accessibility.h"
#include "form/input_gate.h"
#include "icon.h"
#include "messages.h"
#include "option_frame.h"
#include "painted_buttons.h"
#include "picture_area.h"
#include "picture_cache.h"
#include "platform/exit_status.h"
#include "read_only_text_box.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>
#include <exception>

namespace vorn {

namespace {

QColor ToQColor(Color color, const QPalette& palette, QPalette::ColorRole systemRole) {
    if (IsSystemColor(color)) return palette.color(systemRole);
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QColor SystemFallback(Color color, const QPalette& palette) {
    return ToQColor(color, palette, color == kSystemWindow ? QPalette::Base : QPalette::Button);
}

// A hidden control shows nothing, so that nothing it holds can be read from
// outside the window either (accessibility clients list hidden widgets too).
QString ScreenText(const Control& control, const QString& text) {
    return control.Visible ? LineBreaksShown(text) : QString();
}

// Set explicitly even when the inherited colour matches, so that a later
// change of the window's background does not show through.
void SetBackground(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

} // namespace

// The client area; tells when its size changes.
class Canvas : public QWidget {
public:
    Canvas(QWidget* parent, std::function<void()> resized)
        : QWidget(parent), resized_(std::move(resized)) {}

protected:
    void resizeEvent(QResizeEvent* /*event*/) override { resized_(); }

private:
    std::function<void()> resized_;
};

int FormView::Px(Twips twips) {
    return static_cast<int>(std::lround(twips / static_cast<double>(kTwipsPerPixel)));
}

FormView::FormView(MainForm& form, WindowSize size)
    : form_(form), pictures_(std::make_unique<PictureCache>()) {
    // A fixed layout: no maximise box, unless the design grows with the window.
    if (size == WindowSize::Locked)
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    else
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowCloseButtonHint |
                       (size == WindowSize::Sizable ? Qt::WindowMaximizeButtonHint : Qt::Widget));
    closeLocked_ = size == WindowSize::Locked;
    setFont(QFont(controls().window.FontName, controls().window.FontSize));
    setWindowIcon(WindowIcon());
    buildMenu();
    buildCanvas(size);
    InstallAccessibleRoles();
    buildControls();
    buildTabOrder();
    buildAccessibleTexts();
    buildKeys();
    refresh();
}

void FormView::buildCanvas(WindowSize size) {
    canvas_ = new Canvas(this, [this] { fitDesign(); });
    canvas_->setObjectName(QStringLiteral("MainForm"));
    const QSize design(Px(controls().window.ScaleWidth), Px(controls().window.ScaleHeight));
    if (size == WindowSize::Fixed)
        canvas_->setFixedSize(design);
    else
        canvas_->setMinimumSize(design);
    canvas_->setAutoFillBackground(true);
    setCentralWidget(canvas_);
    if (size == WindowSize::Fixed) layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void FormView::fitDesign() {
    const DesignScale fitted = DesignScale::Fitting(controls().window.ScaleWidth,
                                                    controls().window.ScaleHeight, canvas_->size());
    if (fitted == scale_) return;
    const bool newFactor = fitted.factor() != scale_.factor();
    scale_ = fitted;
    if (newFactor) {
        QFont font(controls().window.FontName);
        font.setPointSizeF(controls().window.FontSize * scale_.factor());
        // At the design's size the canvas takes the window's font, as ever.
        canvas_->setFont(scale_.factor() == 1.0 ? QFont() : font);
    }
    refresh();
}

FormView::~FormView() = default;

void FormView::deliver(const QString& what, const std::function<void()>& event) {
    if (failed_) return;
    // Nothing may leave a Qt event handler: a fault ends the program here, with
    // a message that names it, instead of an abort.
    try {
        event();
        refresh();
        if (form_.closed()) QCoreApplication::exit(kExitOk);
    } catch (const std::exception& fault) {
        fail(what, QString::fromUtf8(fault.what()));
    } catch (...) {
        fail(what, QStringLiteral("неизвестна грешка"));
    }
}

void FormView::press(const CommandButton& button, const std::function<void()>& event) {
    if (TakesInput(button)) deliver(button.Caption, event);
}

void FormView::choose(int slot) {
    const OptionButton& option = controls().options.buttons(slot);
    if (TakesInput(option, controls().options.frame))
        deliver(option.Caption, [this, slot] { form_.choose(slot); });
}

void FormView::fail(const QString& what, const QString& detail) {
    failed_ = true;
    ShowErrorThen(this, windowTitle(),
                  QStringLiteral("Вътрешна грешка при „%1“: %2. Програмата ще бъде затворена.")
                      .arg(what, detail),
                  [] { QCoreApplication::exit(kExitFault); });
}

void FormView::buildMenu() {
    // "&": Alt and the first letter trigger a menu command (Alt+И, Alt+А).
    const auto withMnemonic = [](const QString& caption) { return QStringLiteral("&") + caption; };
    QAction* exit = menuBar()->addAction(withMnemonic(controls().menu.exit.Caption));
    exit->setObjectName(controls().menu.exit.Name);
    connect(exit, &QAction::triggered, this, [this] {
        if (TakesInput(controls().menu.exit))
            deliver(controls().menu.exit.Caption, [this] { form_.exit(); });
    });
    QAction* author = menuBar()->addAction(withMnemonic(controls().menu.author.Caption));
    author->setObjectName(controls().menu.author.Name);
    connect(author, &QAction::triggered, this, [this] {
        if (TakesInput(controls().menu.author))
            deliver(controls().menu.author.Caption, [this] { form_.showAuthor(); });
    });
    refreshers_.push_back([this, exit, author, withMnemonic] {
        exit->setText(withMnemonic(controls().menu.exit.Caption));
        exit->setVisible(controls().menu.exit.Visible);
        exit->setEnabled(controls().menu.exit.Enabled);
        author->setText(withMnemonic(controls().menu.author.Caption));
        author->setVisible(controls().menu.author.Visible);
        author->setEnabled(controls().menu.author.Enabled);
    });
}

template <typename W> W* FormView::place(W* widget, const Control& control) {
    widget->setObjectName(control.Name);
    const Control* c = &control;
    refreshers_.push_back([this, widget, c] {
        // Edges rounded separately, so neighbouring segments meet exactly.
        const QRect rect = widget->parentWidget() == canvas_
                               ? scale_.placed(c->Left, c->Top, c->Width, c->Height)
                               : scale_.placedWithin(c->Left, c->Top, c->Width, c->Height);
        if (widget->geometry() != rect) widget->setGeometry(rect);
        widget->setHidden(!c->Visible);
        widget->setEnabled(c->Enabled);
    });
    if (control.TabIndex >= 0 && widget->focusPolicy() != Qt::NoFocus)
        tabStops_.emplace_back(control.TabIndex, widget);
    return widget;
}

QLabel* FormView::addLabel(const Label& label) {
    auto* w = place(new QLabel(canvas_), label);
    w->setTextFormat(Qt::PlainText);
    w->setAutoFillBackground(true);
    refreshers_.push_back([this, w, &label] {
        w->setText(ScreenText(label, label.Caption));
        SetBackground(w, QPalette::Window, SystemFallback(label.BackColor, palette()));
    });
    return w;
}

QWidget* FormView::addTextBox(const TextBox& box) {
    auto* w = place(new ReadOnlyTextBox(canvas_), box);
    refreshers_.push_back([this, w, &box] {
        const QString text = ScreenText(box, box.Text);
        if (w->toPlainText() != text) {
            const QString old = w->toPlainText();
            w->setPlainText(text);
            // Assistive tools hear of a new question (or explanation).
            QAccessibleTextUpdateEvent changed(w, 0, old, text);
            QAccessible::updateAccessibility(&changed);
        }
        SetBackground(w, QPalette::Base, SystemFallback(box.BackColor, palette()));
    });
    return w;
}

void FormView::addCommand(const CommandButton& button, std::function<void()> event) {
    auto* w = place(new FlatButton(canvas_), button);
    connect(w, &QPushButton::clicked, this, [this, event, &button] { press(button, event); });
    refreshers_.push_back([this, w, &button] {
        w->setText(ScreenText(button, button.Caption));
        SetBackground(w, QPalette::Button, SystemFallback(button.BackColor, palette()));
    });
}

void FormView::addSolid(const Control& control) {
    auto* w = place(new QWidget(canvas_), control);
    w->setAutoFillBackground(true);
    refreshers_.push_back([this, w, &control] {
        SetBackground(w, QPalette::Window, SystemFallback(control.BackColor, palette()));
    });
}

void FormView::buildOptions() {
    auto* frame = place(new OptionFrame(canvas_), controls().options.frame);
    frame_ = frame;
    frame->setAutoFillBackground(true);
    refreshers_.push_back([this, frame] {
        SetBackground(frame, QPalette::Window,
                      SystemFallback(controls().options.frame.BackColor, palette()));
    });
    for (int i = 0; i <= 4; ++i) {
        const OptionButton& option = controls().options.buttons(i);
        auto* w = place(new FlatOptionButton(frame), option);
        options_[static_cast<std::size_t>(i)] = w;
        w->setLabelFor(textBoxes_[static_cast<std::size_t>(i + 1)]);
        w->setAutoExclusive(false); // the model keeps the group; the view mirrors it
        connect(w, &QRadioButton::clicked, this, [this, i] { choose(i); });
        refreshers_.push_back([this, w, &option] {
            w->setText(ScreenText(option, option.Caption));
            w->setChecked(option.Value());
            SetBackground(w, QPalette::Window, SystemFallback(option.BackColor, palette()));
        });
    }
}

void FormView::buildControls() {
    // In the order of the design, top to bottom; later widgets lie on top.
    addLabel(controls().titleLabel)->setAlignment(Qt::AlignCenter);
    addCommand(controls().moves.forward, [this] { form_.forward(); });
    addCommand(controls().moves.back, [this] { form_.back(); });
    addCommand(controls().moves.reviewForward, [this] { form_.forward(); });
    addCommand(controls().moves.reviewBack, [this] { form_.back(); });
    textBoxes_[0] = addTextBox(controls().questionText);
    for (int slot = 0; slot < 5; ++slot)
        textBoxes_[static_cast<std::size_t>(slot + 1)] = addTextBox(controls().options.texts(slot));
    buildOptions();
    buildOptionPictures();

    addLabel(controls().indicator.caption);
    addSolid(controls().indicator.light);
    textBoxes_[6] = addTextBox(controls().phraseText);
    for (const Bar* bar : {&controls().progress.positionBar, &controls().progress.answeredBar}) {
        addSolid(bar->passed);
        addSolid(bar->rest);
    }
    addLabel(controls().progress.answeredCount);
    addLabel(controls().checkLabel);
    addLabel(controls().resultLabel);
    addCommand(controls().gradeButton, [this] { form_.grade(); });

    auto* picture = place(new PictureArea(canvas_), controls().pictureArea);
    refreshers_.push_back([this, picture] {
        const QSize design(Px(controls().pictureArea.Width), Px(controls().pictureArea.Height));
        picture->setPixmap(pictures_->pixmap(controls().pictureArea.Picture, design,
                                             picture->size(), scale_.factor()));
        SetBackground(picture, QPalette::Window,
                      SystemFallback(controls().pictureArea.BackColor, palette()));
    });
    info_ = addTextBox(controls().infoBox);
    addTextBox(controls().hiddenNote);
    addTimeLeft();

    refreshers_.push_back([this] {
        setWindowTitle(controls().window.Caption);
        SetBackground(canvas_, QPalette::Window,
                      SystemFallback(controls().window.BackColor, palette()));
    });
}

void FormView::addTimeLeft() {
    QLabel* time = addLabel(controls().timeLeft);
    time->setAlignment(Qt::AlignCenter);
    // Read at a glance: bold and a third larger than the window's text, at
    // any size of the design.
    refreshers_.push_back([this, time] {
        QFont large = canvas_->font();
        large.setPointSizeF(large.pointSizeF() * 4 / 3);
        large.setBold(true);
        if (time->font() != large) time->setFont(large);
    });
}

void FormView::buildTabOrder() {
    std::stable_sort(tabStops_.begin(), tabStops_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabStops_.size(); ++i)
        QWidget::setTabOrder(tabStops_[i - 1].second, tabStops_[i].second);
}

void FormView::timeUp(const QString& message) {
    // Graded now, so that the result is kept whatever comes; seen once the
    // examinee knows why the test ended.
    heldBy_ = ShowNotice(this, windowTitle(), message, [this] {
        heldBy_ = nullptr;
        refresh();
    });
    deliver(QStringLiteral("Времето изтече"), [this] { form_.timeUp(); });
}

void FormView::refresh() {
    if (heldBy_) return;
    for (const auto& refresher : refreshers_)
        refresher();
}

QWidget* FormView::widgetFor(const QString& controlName) const {
    if (canvas_->objectName() == controlName) return canvas_;
    return canvas_->findChild<QWidget*>(controlName);
}

void FormView::closeEvent(QCloseEvent* event) {
    // Closing the window ends the program as the exit command does; where the
    // examinee answers that the test goes on, the window stays. In the exam
    // session nothing but the exam's own "Изход" leaves the test.
    if (closeLocked_ && !failed_ && form_.attempt().mode() == RunMode::Test) {
        event->ignore();
        return;
    }
    if (!failed_) deliver(controls().menu.exit.Caption, [this] { form_.exit(); });
    event->setAccepted(failed_ || form_.closed());
}

} // namespace vorn
