#include "hidden_line.h"

#include <fcntl.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace vorn {

namespace {

constexpr std::size_t kMaxLine = 1024;

void Say(int fd, const QByteArray& text) {
    if (::write(fd, text.constData(), static_cast<std::size_t>(text.size())) < 0) return;
}

// The bytes up to the line's end, or none at the end of input.
std::optional<std::string> ReadLine(int fd) {
    std::string line;
    char c = 0;
    for (;;) {
        const ssize_t got = ::read(fd, &c, 1);
        if (got <= 0) return line.empty() ? std::nullopt : std::optional(line);
        if (c == '\n') return line;
        if (line.size() < kMaxLine) line.push_back(c);
    }
}

} // namespace

std::optional<QString> ReadHiddenLine(const QString& prompt) {
    const int fd = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    termios before{};
    const bool terminal = ::tcgetattr(fd, &before) == 0;
    if (terminal) {
        termios hidden = before;
        hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(fd, TCSAFLUSH, &hidden);
    }
    Say(fd, prompt.toLocal8Bit());
    std::optional<std::string> line = ReadLine(fd);
    if (terminal) ::tcsetattr(fd, TCSAFLUSH, &before);
    Say(fd, "\n");
    ::close(fd);
    if (!line) return std::nullopt;
    if (!line->empty() && line->back() == '\r') line->pop_back();
    QString text = QString::fromLocal8Bit(line->data(), static_cast<qsizetype>(line->size()));
    // The copy read byte by byte is wiped; volatile so that it is not left out.
    for (volatile char& byte : *line)
        byte = 0;
    return text;
}

} // namespace vorn
