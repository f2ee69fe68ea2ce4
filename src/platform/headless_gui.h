#pragma once
// Reading a bank without a window. Qt lays out the HTML of a bank's texts
// (Moodle XML, GIFT's [html]) with the fonts and colours of a GUI application;
// without one, a <pre>, a <code> or a table cell crashes it. Commands that read
// banks and show nothing run on a GUI application of Qt's "minimal" platform,
// which needs no display.

#include <QGuiApplication>
#include <memory>

namespace vorn {

class HeadlessGui {
public:
    // Nothing when an application is already there. `withFonts`: the
    // system's fonts too, for commands that draw text (printing).
    explicit HeadlessGui(bool withFonts = false);
    ~HeadlessGui();
    HeadlessGui(const HeadlessGui&) = delete;
    HeadlessGui& operator=(const HeadlessGui&) = delete;

private:
    std::unique_ptr<QGuiApplication> app_;
};

} // namespace vorn
