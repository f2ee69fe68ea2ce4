#include "startup.h"

#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

namespace vorn {

namespace {

constexpr const char* kNoDisplay =
    "vorn-player: cannot open a display: set DISPLAY to a running X server, "
    "or run with QT_QPA_PLATFORM=offscreen to start without a screen.\n";

QtMessageHandler previousHandler = nullptr;
QStringList heldBack; // the platform's own complaints while it starts

void NoDisplayHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    // The toolkit reports a platform it cannot open as a fatal message and then
    // aborts; end here with our own line instead of its trail of messages.
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        std::fputs(kNoDisplay, stderr);
        std::_Exit(1);
    }
    const QLatin1String category(context.category ? context.category : "");
    if (category.startsWith(QLatin1String("qt.qpa"))) {
        heldBack.append(category + QLatin1String(": ") + text);
        return;
    }
    if (previousHandler) previousHandler(type, context, text);
}

} // namespace

void ExitCleanlyWithoutDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool wantsX = platform.isEmpty() || platform.startsWith("xcb");
    if (wantsX && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs(kNoDisplay, stderr);
        std::exit(1);
    }
    previousHandler = qInstallMessageHandler(NoDisplayHandler);
}

void DisplayOpened() {
    qInstallMessageHandler(previousHandler);
    for (const QString& line : std::as_const(heldBack))
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    heldBack.clear();
}

void ApplyLook(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
}

} // namespace vorn
