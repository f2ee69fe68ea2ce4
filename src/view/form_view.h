#pragma once
// The Qt view of the main form: one widget per control, placed at twips / 15
// (in a sizable window grown larger, at one factor more, centred: see
// design_scale.h), refreshed from the model after every event it delivers. The model is the one
// truth; the view decides nothing. Widgets carry their controls' design names
// ("Text2(3)", "Option1(0)", "izhod(0)"). A fault in an event ends the program
// with a message and kExitFault; a closed form ends it with kExitOk.

#include "design_scale.h"
#include "events/main_form.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QLabel;
class QCloseEvent;

namespace vorn {

class FlatOptionButton;
class OptionFrame;
class PictureCache;
class PictureOpener;

// A window of the design's size, or one that may be larger (maximised, full
// screen), where the design grows with it; or the exam session's, sizable,
// without a frame, that no close request ends while the test is on (the
// "Изход" command still leaves by the exam's rules).
enum class WindowSize { Fixed, Sizable, Locked };

class FormView : public QMainWindow {
public:
    explicit FormView(MainForm& form, WindowSize size = WindowSize::Fixed);
    ~FormView() override;

    // Brings every widget up to date from the model; not while a message that
    // comes before what the model now holds is open.
    void refresh();
    // The time limit ran out: the form's TimeUp, as any event is delivered,
    // at once; the window shows the result once `message` has been read.
    void timeUp(const QString& message);
    // A click, Enter or Space on the picture area opens its picture large
    // (form_view_pictures.cpp); off unless asked for. The opener belongs to
    // the area.
    PictureOpener* letPicturesOpenLarge();
    // An option that is a picture shows it in its box, fitted whole; a click
    // on it, or Enter or Space in the box, opens it large. Always on: a bank
    // without such options never shows one (form_view_pictures.cpp).

    // The widget that draws a control, by the control's name; null if none.
    QWidget* widgetFor(const QString& controlName) const;
    QWidget* canvas() const { return canvas_; }
    // How the design stands in the window now.
    const DesignScale& scale() const { return scale_; }

    static int Px(Twips twips); // 15 twips to a pixel

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override; // form_view_keys.cpp

private:
    void buildMenu();
    void buildControls();
    void buildOptions();
    void buildOptionPictures(); // form_view_pictures.cpp
    QLabel* addLabel(const Label& label);
    QWidget* addTextBox(const TextBox& box);
    void addCommand(const CommandButton& button, std::function<void()> event);
    void addSolid(const Control& control);
    void addTimeLeft();
    void buildTabOrder();
    void buildAccessibleTexts(); // form_view_accessibility.cpp
    void buildKeys();            // form_view_keys.cpp
    void buildCanvas(WindowSize size);
    // The design fitted anew into the canvas, after a change of its size.
    void fitDesign();
    template <typename W> W* place(W* widget, const Control& control);
    // Runs one event of the model and brings the widgets up to date; `what`
    // names the event in the message of a fault.
    void deliver(const QString& what, const std::function<void()>& event);
    void fail(const QString& what, const QString& detail);
    // What a click on a control does, and a key too: only a control that takes
    // input acts, through the same event.
    void press(const CommandButton& button, const std::function<void()>& event);
    void choose(int slot);

    const FormControls& controls() const { return form_.controls(); }

    MainForm& form_;
    QWidget* canvas_ = nullptr;
    DesignScale scale_;
    std::vector<std::function<void()>> refreshers_;
    std::vector<std::pair<int, QWidget*>> tabStops_;
    std::unique_ptr<PictureCache> pictures_;
    std::vector<std::unique_ptr<PictureCache>> optionPictures_; // one per option box
    bool failed_ = false; // after a fault no event reaches the model
    bool picturesOpenLarge_ = false;
    bool closeLocked_ = false; // WindowSize::Locked
    QPointer<QWidget> heldBy_; // the message the screen waits for

    // Widgets the keys and the accessible texts work on.
    std::array<QWidget*, 7> textBoxes_{}; // the question, five options, the phrase
    std::array<FlatOptionButton*, 5> options_{};
    OptionFrame* frame_ = nullptr;
    QWidget* info_ = nullptr; // Text1(0)
};

} // namespace vorn
