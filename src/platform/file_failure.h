#pragma once
// Why a file or folder could not be used, in the words a student or a teacher
// reads: the path, the system's reason in Bulgarian, and what to do about it.
// Every message about a failed file or folder takes its words from here.

#include <QString>

namespace vorn {

struct FileFailure {
    QString path;   // as given, shown with native separators
    int error = 0;  // errno; 0 for a refusal of the program's own
    QString reason; // Bulgarian, without a full stop

    // "„path“: reason"
    QString said() const;
};

// The system's reason for `error` in Bulgarian words, or its own text for the
// rare ones.
QString SystemReason(int error);
FileFailure FailureOf(const QString& path, int error);
// The same for a file that could not be read.
QString ReadReason(int error);
// The program's own refusals.
FileFailure LinkRefused(const QString& path);
FileFailure NotARegularFile(const QString& path);
FileFailure NotAFolder(const QString& path);
// A file written beside `path` that someone else replaced before it took the
// name: it is not put in place.
FileFailure ReplacedMeanwhile(const QString& path);

// What a student does about any of them.
QString StudentStep();
// What a teacher does about `failure`, where `other` is how to name another
// place (an option, such as "друг файл с --output").
QString TeacherStep(const FileFailure& failure, const QString& other);

} // namespace vorn
