#pragma once
// The exam session's configuration, /etc/vorn-player/exam.conf: which exam
// the lab's machines open, set by the administrator, never by the student.
// One setting a line, "#" starts a comment:
//   exam = /srv/exam/7b.vorn-exam   the exam itself, or
//   folder = /srv/exam              a folder whose exam the student chooses once.
// Paths are absolute. Anything else is refused with the line it is on.

#include <QByteArray>
#include <QString>
#include <variant>

namespace vorn {

inline constexpr qint64 kKioskConfigMaxBytes = 4 * 1024;

struct KioskExam {
    enum class Kind { File, Folder };
    Kind kind = Kind::File;
    QString path;
    bool operator==(const KioskExam&) const = default;
};

// The configuration's path: VORN_EXAM_CONF when set (for tests and for an
// administrator who keeps it elsewhere), else /etc/vorn-player/exam.conf.
QString KioskConfigPath();

// What the text sets, or what is wrong with it, in Bulgarian.
std::variant<KioskExam, QString> ParseKioskConfig(const QByteArray& text);

// The same for the file at `path`; the problem names the file.
std::variant<KioskExam, QString> ReadKioskConfig(const QString& path);

} // namespace vorn
