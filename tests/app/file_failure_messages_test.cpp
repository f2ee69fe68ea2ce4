// What a student is told when a file fails in a lab: what failed, the
// system's reason in words and what to do, one row per failure as a lab meets
// it (run as the player would be: as another user, on a full or read-only
// disk of its own).

#include "app/exam.h"
#include "app/results_saving.h"
#include "support/confined_run.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/file.h>

using namespace vorn;
using namespace vorn::test;

namespace {

void OpenToAll(const QString& folder, bool writable = true) {
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::Permissions(writable ? 0x7777 : 0x5555));
}

QString TextOfFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(FileFailureMessages, ARecordNotWrittenSaysWhyWhereItWentAndWhatToDo) {
    QTemporaryDir dir;
    OpenToAll(dir.path()); // nobody runs the player in one row
    OpenToAll(dir.filePath("Документи"));
    OpenToAll(dir.filePath("locked"), false);
    QDir().mkpath(dir.filePath("small"));
    const QString fallback = dir.filePath("Документи/резултати-от-тестове.jsonl");
    QFile target(dir.filePath("target.jsonl"));
    ASSERT_TRUE(target.open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link(target.fileName(), dir.filePath("link.jsonl")));
    const auto keep = [&](const QString& path) {
        return QStringList{VORN_KEEP_RECORD_PATH, path, fallback, "100"};
    };
    const QString small = dir.filePath("small/r.jsonl");
    const struct {
        const char* situation;
        QStringList command;
        QString path, reason;
    } cases[] = {
        {"no folder", keep(dir.filePath("none/r.jsonl")), dir.filePath("none/r.jsonl"),
         "папката не съществува"},
        {"no permission", AsAnotherUser(keep(dir.filePath("locked/r.jsonl"))),
         dir.filePath("locked/r.jsonl"), "няма права за запис"},
        {"a full disk", OnASmallDisk(dir.filePath("small"), Disk::Full, keep(small)), small,
         "няма място на диска"},
        {"a read-only disk", OnASmallDisk(dir.filePath("small"), Disk::ReadOnly, keep(small)),
         small, "дискът е само за четене"},
        {"a link planted", keep(dir.filePath("link.jsonl")), dir.filePath("link.jsonl"),
         "пътят е символна връзка, а не файл"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.situation);
        QFile::remove(fallback);
        const Finished told = RunCommand(c.command);
        if (told.status == kNoSmallDisk || told.err.startsWith("unshare:")) {
            std::printf("[ SKIPPED ] %s: no mount namespace here\n", c.situation);
            continue;
        }
        EXPECT_EQ(told.out, "Резултатът не е записан в „" + c.path + "“: " + c.reason +
                                ". Запазен е във файла „" + fallback + "“. Повикайте учителя.");
        EXPECT_EQ(TextOfFile(fallback), "{\"record\":1}\n");
    }
}

TEST(FileFailureMessages, AResultsFileTheReportMayNotReadIsNamedWithWhy) {
    QTemporaryDir dir;
    OpenToAll(dir.path());
    QFile results(dir.filePath("8а.jsonl"));
    ASSERT_TRUE(results.open(QIODevice::WriteOnly));
    results.close();
    ASSERT_TRUE(results.setPermissions(QFileDevice::WriteOwner)); // no one else reads it
    const Finished told =
        RunCommand(AsAnotherUser({VORN_REPORT_PROGRAM_PATH, "--report", results.fileName()}));
    // The program's own lines: the toolkit may warn of nobody's runtime folder.
    const QStringList said = told.err.split('\n').filter(QRegularExpression("^vorn-player: "));
    EXPECT_EQ(said.join('\n') + '\n', "vorn-player: " + results.fileName() +
                                          ": файлът не може да се прочете: няма права за четене.\n"
                                          "vorn-player: няма нито един запис на резултат.\n");
}

// The bank's reason was Qt's English ("Permission denied") before.
TEST(FileFailureMessages, ABankThePlayerMayNotReadIsNamedWithWhyInBulgarian) {
    QTemporaryDir dir;
    OpenToAll(dir.path());
    QFile bank(dir.filePath("тест.gift"));
    ASSERT_TRUE(bank.open(QIODevice::WriteOnly));
    bank.write("::1:: 2 + 2? {=4 ~5}\n");
    bank.close();
    ASSERT_TRUE(bank.setPermissions(QFileDevice::WriteOwner)); // no one else reads it
    const Finished told =
        RunCommand(AsAnotherUser({VORN_PLAYER_PATH, "--check-bank", bank.fileName()}));
    EXPECT_EQ(told.status, 1);
    EXPECT_EQ(told.out.section('\n', 0, 0),
              bank.fileName() + ": грешка: файлът не може да се прочете: няма права за четене.");
}

TEST(FileFailureMessages, TheRecordsFallbackIsInAFolderAStudentSees) {
    const QString home = QDir::homePath();
    const QString fallback = FallbackResultsPath();
    ASSERT_TRUE(fallback.startsWith(home + '/')) << fallback.toStdString();
    EXPECT_FALSE(fallback.mid(home.size()).contains("/.")) << "no hidden folder on the way";
}

TEST(FileFailureMessages, AnExamLockNotHadSaysWhyAndWhatToDo) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.lock"));
    ASSERT_TRUE(QFile::link(dir.filePath("elsewhere"), dir.filePath("link.lock")));
    const HeldLock held(dir.filePath("held.lock")); // the same student's other window
    ASSERT_TRUE(held.held());
    const QString cannot = "Изпитът не може да се пази от второ отваряне: ";
    const struct {
        QString lock, told;
    } cases[] = {
        {dir.filePath("none/r.lock"),
         cannot + dir.filePath("none/r.lock") +
             " не може да се създаде: папката не съществува. Повикайте учителя. (За учителя: "
             "Създайте папката (mkdir -p) или посочете лична папка на потребителя с "
             "XDG_RUNTIME_DIR.)"},
        {dir.filePath("folder.lock"),
         cannot + dir.filePath("folder.lock") +
             " не може да се създаде: това е папка, а не файл. Повикайте учителя. (За учителя: "
             "Посочете лична папка на потребителя с XDG_RUNTIME_DIR.)"},
        {dir.filePath("link.lock"),
         cannot + dir.filePath("link.lock") +
             " не може да се създаде: пътят е символна връзка, а не файл. Повикайте учителя. (За "
             "учителя: Изтрийте връзката или посочете лична папка на потребителя с "
             "XDG_RUNTIME_DIR.)"},
        {dir.filePath("held.lock"),
         "Тестът вече е отворен за Ана Иванова, 8б № 10 в друг прозорец на този компютър. "
         "Затворете другия прозорец; ако няма такъв, повикайте учителя."},
    };
    for (const auto& c : cases) {
        const HeldLock lock(c.lock);
        EXPECT_FALSE(lock.held());
        EXPECT_EQ(LockRefusal(lock, c.lock, {"Ана Иванова", "8б", "10"}), c.told);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("elsewhere"))) << "nothing made through the link";
}
