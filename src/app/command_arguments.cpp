#include "command_arguments.h"

#include "platform/text.h"

namespace vorn {

namespace {

// A file name that is not UTF-8 would reach the files as another name (every
// byte that is not UTF-8 made a replacement character): it is refused rather
// than something else read or written.
std::variant<QStringList, UsageError> Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        arguments.append(QString::fromLocal8Bit(raw));
        if (arguments.back().toLocal8Bit() != raw)
            return UsageError{
                QStringLiteral("аргументът „%1“ не е в UTF-8; преименувайте файла с име в UTF-8.")
                    .arg(Printable(arguments.back()))};
    }
    return arguments;
}

} // namespace

std::optional<CommandLine> ReadCommandLine(int argc, char** argv, QTextStream& err) {
    const auto arguments = Arguments(argc, argv);
    if (const auto* notText = std::get_if<UsageError>(&arguments)) {
        err << "vorn-player: " << notText->message << '\n';
        return std::nullopt;
    }
    const auto parsed = ParseCommandLine(std::get<QStringList>(arguments));
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        err << "vorn-player: " << usage->message << '\n' << CommandLineUsage();
        return std::nullopt;
    }
    return std::get<CommandLine>(parsed);
}

} // namespace vorn
