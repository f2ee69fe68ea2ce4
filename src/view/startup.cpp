#include "startup.h"

#include "icon_on_demand.h"
#include "platform/exit_status.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace vorn {

namespace {

constexpr const char* kNoDisplay =
    "vorn-player: не може да се отвори дисплей. Стартирайте програмата в графична сесия "
    "или задайте DISPLAY на работещ X сървър (например DISPLAY=:0).\n";

// The value of the toolkit's own option `-name VALUE` (or `--name VALUE`), which
// it honours over the environment; empty when not given.
QByteArray QtOption(int argc, char** argv, const char* name) {
    const QByteArray single = QByteArray("-") + name, twice = QByteArray("--") + name;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if ((arg == single || arg == twice) && i + 1 < argc) return QByteArray(argv[i + 1]);
    }
    return {};
}

QtMessageHandler previousHandler = nullptr;
QStringList heldBack; // the platform's own complaints while it starts

void NoDisplayHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    // The toolkit reports a platform it cannot open as a fatal message and then
    // aborts; end here with our own line instead of its trail of messages.
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        std::fputs(kNoDisplay, stderr);
        std::_Exit(kExitRefused);
    }
    const QLatin1String category(context.category ? context.category : "");
    if (category.startsWith(QLatin1String("qt.qpa"))) {
        heldBack.append(category + QLatin1String(": ") + text);
        return;
    }
    if (previousHandler) previousHandler(type, context, text);
}

} // namespace

void StartNoSessionBus() {
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) return;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"))) return;
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

bool DisplayConfigured(int argc, char** argv) {
    QByteArray platform = QtOption(argc, argv, "platform");
    if (platform.isEmpty()) platform = qgetenv("QT_QPA_PLATFORM");
    const bool wantsX = platform.isEmpty() || platform.startsWith("xcb");
    return !wantsX || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !QtOption(argc, argv, "display").isEmpty() ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void ExitCleanlyWithoutDisplay(int argc, char** argv) {
    if (!DisplayConfigured(argc, argv)) {
        std::fputs(kNoDisplay, stderr);
        std::exit(kExitRefused);
    }
    previousHandler = qInstallMessageHandler(NoDisplayHandler);
}

void DisplayOpened() {
    qInstallMessageHandler(previousHandler);
    for (const QString& line : std::as_const(heldBack))
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    heldBack.clear();
}

namespace {

// Fusion, with the menu bar taken by the Alt key alone (its first command
// shown active) and the mnemonic letters always underlined.
class Look : public QProxyStyle {
public:
    Look() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_MenuBar_AltKeyNavigation || hint == SH_UnderlineShortcut) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
    // The menu bar's button for commands that do not fit asks for its icon
    // when the bar is made, and reading the icon's file made Qt load every
    // image plugin installed; the icon is read when the button first shows.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (option || (icon != SP_ToolBarHorizontalExtensionButton &&
                       icon != SP_ToolBarVerticalExtensionButton))
            return QProxyStyle::standardIcon(icon, option, widget);
        // Neither the option nor the widget chooses this icon.
        return IconOnDemand(
            [this, icon] { return QProxyStyle::standardIcon(icon, nullptr, nullptr); });
    }
};

} // namespace

void ApplyLook(QApplication& app) {
    app.setStyle(new Look); // the application owns its style
    // The menu bar belongs to the window, whose layout is fixed in twips: no
    // desktop-wide menu. Asking the desktop for one is also what made libdbus
    // start a session bus for the player where there was none, which then
    // outlived it.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
}

bool LoadQtTranslations(QApplication& app, const QLocale& locale) {
    // Qt's own texts (message box buttons, the text boxes' menus) in the
    // window's language; where the translation is not installed they stay
    // English.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !app.installTranslator(translator.get()))
        return false;
    translator.release()->setParent(&app); // lives as long as the application
    return true;
}

} // namespace vorn
