#include "review_files.h"

#include "paper/decisions_file.h"
#include "review_page.h"

#include <QRegularExpression>
#include <QSaveFile>

namespace vorn {

namespace {

// A path as the shell takes it back.
QString ShellWord(const QString& path) {
    if (!path.isEmpty() && !path.contains(QRegularExpression(QStringLiteral("[^\\w./+-]"))))
        return path;
    return u'\'' + QString(path).replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

std::optional<QString> WriteText(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        return QStringLiteral("„%1“ не е записан: %2").arg(path, file.errorString());
    return std::nullopt;
}

} // namespace

ReviewFiles ReviewFilesFor(const QString& output, const QString& results) {
    QString base = output.isEmpty() ? results + QStringLiteral(".преглед") : output;
    if (base.endsWith(QStringLiteral(".html"))) base.chop(5);
    return {base + QStringLiteral(".html"), base + QStringLiteral(".txt")};
}

std::optional<QString> WriteReviewFiles(const ToReview& review, const ReviewFiles& files,
                                        const QString& bank, const QString& results) {
    std::vector<OpenSheet> sheets;
    for (const SheetToReview& s : review.sheets)
        sheets.push_back(s.sheet);
    const QString command =
        QStringLiteral("vorn-player --scan-decide %1 --bank %2 --results %3")
            .arg(ShellWord(files.decisions), ShellWord(bank), ShellWord(results));
    if (auto failed = WriteText(files.decisions, DecisionsText(sheets, command))) return failed;
    return WriteText(files.page, ReviewPageHtml(review, files.decisions));
}

} // namespace vorn
