// A report or an exported bank is never written through a link planted where
// it goes, nor onto a FIFO: the command refuses with a message naming the
// path, the reason and what to do, and nothing outside changes or appears.

#include "app/bank_commands.h"
#include "app/report_command.h"
#include "platform/exit_status.h"
#include "support/one_record.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace vorn;

namespace {

const char* const kRecord = test::kOneRecordLine;

QStringList Everything(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

} // namespace

TEST(OutputLinks, ALinkOrAFifoWhereAnOutputGoesIsRefusedAndNothingOutsideChanges) {
    QTemporaryDir dir, outside;
    QFile theirs(outside.filePath("theirs.html"));
    ASSERT_TRUE(theirs.open(QIODevice::WriteOnly) && theirs.write("theirs\n") == 7);
    theirs.close();
    QFile records(dir.filePath("r.jsonl"));
    ASSERT_TRUE(records.open(QIODevice::WriteOnly) && records.write(kRecord) > 0);
    records.close();
    const auto link = [&](const QString& target, const QString& name) {
        EXPECT_TRUE(QFile::link(target, dir.filePath(name)));
        return dir.filePath(name);
    };
    const auto fifo = [&](const QString& name) {
        EXPECT_EQ(::mkfifo(QFile::encodeName(dir.filePath(name)).constData(), 0600), 0);
        return dir.filePath(name);
    };
    const QString isLink =
        "“: това е символна връзка; през връзка не се записва. Изтрийте връзката";
    const QString report = "vorn-player: отчетът не е записан: „";
    const QString bank = "vorn-player: банката не е записана: „";
    const QString otherOutput = " или посочете друго място с --output.\n";
    const QString otherBank = " или посочете друг файл след --export-bank.\n";
    const QString notRegular = "“: това не е обикновен файл. Посочете ";
    link(outside.path(), "g-pictures");
    const QString pictures = dir.filePath("g.vorn.json");
    const struct {
        const char* what;
        bool export_;
        ReportFormat format;
        QString target, told;
    } cases[] = {
        {"report onto a link to a file", false, ReportFormat::Html,
         link(theirs.fileName(), "a.html"), report + dir.filePath("a.html") + isLink + otherOutput},
        {"report onto a dangling link", false, ReportFormat::Html,
         link(outside.filePath("new.html"), "b.html"),
         report + dir.filePath("b.html") + isLink + otherOutput},
        {"report onto a FIFO", false, ReportFormat::Html, fifo("c.html"),
         report + dir.filePath("c.html") + notRegular + "друго място с --output.\n"},
        {"tables into a linked folder", false, ReportFormat::Csv, link(outside.path(), "csv"),
         report + dir.filePath("csv") + isLink + otherOutput},
        {"bank onto a link to a file",
         true,
         {},
         link(theirs.fileName(), "d.vorn.json"),
         bank + dir.filePath("d.vorn.json") + isLink + otherBank},
        {"bank onto a dangling link",
         true,
         {},
         link(outside.filePath("new.json"), "e.vorn.json"),
         bank + dir.filePath("e.vorn.json") + isLink + otherBank},
        {"bank onto a FIFO",
         true,
         {},
         fifo("f.vorn.json"),
         bank + dir.filePath("f.vorn.json") + notRegular + "друг файл след --export-bank.\n"},
        {"pictures into a linked folder",
         true,
         {},
         pictures,
         bank + dir.filePath("g-pictures") + isLink + otherBank},
    };
    const QStringList planted = Everything(dir.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const int status = c.export_ ? ExportBankCommand(QString(), c.target, errStream)
                                     : ReportCommand({.files = {records.fileName()},
                                                      .format = c.format,
                                                      .output = c.target,
                                                      .bank = {},
                                                      .marks = {},
                                                      .className = {}},
                                                     outStream, errStream);
        EXPECT_EQ(status, kExitRefused);
        EXPECT_EQ(err, c.told) << err.toStdString();
        EXPECT_EQ(out, QString());
    }
    EXPECT_EQ(Everything(outside.path()), QStringList{"theirs.html"});
    ASSERT_TRUE(theirs.open(QIODevice::ReadOnly));
    EXPECT_EQ(theirs.readAll(), "theirs\n");
    EXPECT_EQ(Everything(dir.path()), planted) << "nothing of a refused output is left";
    struct stat status {};
    ASSERT_EQ(::lstat(QFile::encodeName(dir.filePath("c.html")).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode)) << "the FIFO is still one";
}
