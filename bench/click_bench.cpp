// vorn-bench-click [CLICKS]: a click on an option button of the real window,
// through the platform's input path, until the window has repainted (painted
// and flushed to the platform). The clicks alternate between two options, so
// that every one changes what is shown. Prints the median and percentiles of
// the wall time and of the processor time the program used meanwhile (on a
// busy machine the wall time's tail is mostly other programs' turns); the
// platform is Qt's usual choice (QT_QPA_PLATFORM).

#include "platform/random_source.h"
#include "processor_time.h"
#include "shipped/shipped_bank.h"
#include "view/form_view.h"
#include "view/startup.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace vorn;
using Clock = std::chrono::steady_clock;

namespace {

// Counts the frames the window has finished: a widget's repaint is done when
// the update request of its top-level window has been handled.
class CountedView : public FormView {
public:
    using FormView::FormView;
    int frames() const { return frames_; }

protected:
    bool event(QEvent* event) override {
        const bool handled = FormView::event(event);
        if (event->type() == QEvent::UpdateRequest) ++frames_;
        return handled;
    }

private:
    int frames_ = 0;
};

// Runs the event loop until the view has finished a frame after `before`.
bool WaitForFrame(const CountedView& view, int before) {
    const auto limit = Clock::now() + std::chrono::seconds(5);
    while (view.frames() == before) {
        if (Clock::now() > limit) return false;
        QCoreApplication::processEvents();
    }
    return true;
}

void PrintPercentiles(const char* what, std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double p) {
        return micros[static_cast<std::size_t>(p * static_cast<double>(micros.size() - 1))];
    };
    std::printf("  %-15s median %5.0f us, 90th percentile %5.0f us, 99th %5.0f us, max %5.0f us\n",
                what, at(0.5), at(0.9), at(0.99), micros.back());
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplyLook(app);
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 2000;
    if (clicks < 1) {
        std::fputs("usage: vorn-bench-click [CLICKS]\n", stderr);
        return 2;
    }

    ClockRandom random(1u);
    MainForm form(ShippedBank(), random);
    form.start();
    CountedView view(form);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view) || !WaitForFrame(view, 0)) {
        std::fputs("vorn-bench-click: the window did not show\n", stderr);
        return 1;
    }

    const int warmUp = 50;
    std::vector<double> wall, processor;
    for (int i = 0; i < warmUp + clicks; ++i) {
        const int option = i % 2;
        QWidget* button = view.widgetFor(QStringLiteral("Option1(%1)").arg(option));
        const QPoint at = button->mapTo(&view, QPoint(8, button->height() / 2));
        const int before = view.frames();
        const double startProcessor = bench::ProcessorMs() * 1e3;
        const auto start = Clock::now();
        QTest::mouseClick(view.windowHandle(), Qt::LeftButton, {}, at);
        const bool painted = WaitForFrame(view, before);
        const auto end = Clock::now();
        const double endProcessor = bench::ProcessorMs() * 1e3;
        if (!painted || !form.controls().options.buttons(option).Value()) {
            std::fprintf(stderr, "vorn-bench-click: click %d was not taken or not shown\n", i);
            return 1;
        }
        if (i < warmUp) continue;
        wall.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        processor.push_back(endProcessor - startProcessor);
    }
    std::printf("Click on an option button until the window has repainted (%s), %d clicks:\n",
                qPrintable(QGuiApplication::platformName()), clicks);
    PrintPercentiles("wall time", wall);
    PrintPercentiles("processor time", processor);
    return 0;
}
