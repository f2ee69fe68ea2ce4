// A classmate with write access to the shared results folder, as a user of
// their own, tries to block, hijack or redirect a student's exam. Whatever
// they put at the student's journal path or hold on the results file, the
// student's exam goes on from the student's own last state, the student's
// record lands in the shared results file, and no file but the journal's own
// and the results file changes.

#include "bank/bank_file.h"
#include "bank/bank_fingerprint.h"
#include "exam/exam_journal.h"
#include "support/confined_run.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

using namespace vorn;
using namespace vorn::test;

namespace {

struct Account {
    uid_t uid = 0;
    gid_t gid = 0;
};

// The user, made when missing; none where the machine cannot make one.
std::optional<Account> User(const char* name) {
    if (!::getpwnam(name))
        RunCommand({"useradd", "--system", "--no-create-home", "--shell", "/usr/sbin/nologin",
                    QString::fromLatin1(name)});
    const passwd* entry = ::getpwnam(name);
    if (!entry) return std::nullopt;
    return Account{entry->pw_uid, entry->pw_gid};
}

QStringList As(const Account& who, const QStringList& command) {
    return QStringList{"setpriv", QStringLiteral("--reuid=%1").arg(who.uid),
                       QStringLiteral("--regid=%1").arg(who.gid), "--clear-groups"} +
           command;
}

QString Made(const QString& path, const Account& owner, QFile::Permissions mode) {
    QDir().mkpath(path);
    EXPECT_EQ(::chown(QFile::encodeName(path).constData(), owner.uid, owner.gid), 0);
    QFile::setPermissions(path, mode);
    return path;
}

constexpr QFile::Permissions kPrivate = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions kOpen = kPrivate | QFile::ReadGroup | QFile::WriteGroup |
                                     QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
                                     QFile::ExeOther;

// One user's start of the exam, with home, state and runtime folders of
// their own under `home`; why it did not start, where it did not.
QString Start(const Account& who, const QString& home, const QString& results, const QString& bank,
              const char* name) {
    const Finished run = RunCommand(
        As(who, {"env", "-i", "HOME=" + home, "XDG_STATE_HOME=" + home + "/state",
                 "XDG_RUNTIME_DIR=" + Made(home + "/run", who, kPrivate), "PATH=/usr/bin:/bin",
                 VORN_EXAM_START_PATH, results, bank, QString::fromUtf8(name), "8а"}));
    return run.status == 0 ? run.out.trimmed() : QString(run.out + run.err);
}

// The student's record kept as a graded run keeps it; what the student is told.
QString KeepRecord(const Account& who, const QString& home, const QString& results) {
    const Finished run =
        RunCommand(As(who, {VORN_KEEP_RECORD_PATH, results, home + "/fallback.jsonl", "100"}));
    return run.status == 0 ? QString(run.out + run.err) : QStringLiteral("did not finish");
}

} // namespace

// Catches: a lock, link, FIFO, device, oversize file or forged journal at the
// student's journal path that blocks the exam, hangs it, resumes it from the
// classmate's state, or makes the student's player write through a link; a
// lock held on the results file that sends the student's record elsewhere; a
// temporary file of the journal's swapped for a link that takes its place.
TEST(HostileClassmate, CannotBlockHijackOrRedirectAnotherStudentsExam) {
    if (::geteuid() != 0) GTEST_SKIP() << "acting as two users needs root to make them";
    const auto student = User("vorn-student");
    const auto classmate = User("vorn-classmate");
    if (!student || !classmate) GTEST_SKIP() << "this machine cannot make a user (useradd)";
    QTemporaryDir root;
    QFile::setPermissions(root.path(), kOpen & ~(QFile::WriteGroup | QFile::WriteOther));
    const QString bank = root.filePath("test.gift");
    ASSERT_TRUE(QFile::copy(VORN_EXAMPLES_DIR "/english-tenses.gift", bank));
    QFile::setPermissions(bank, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QString sha = BankSha256(LoadBankFile(bank).content);

    // $J: the student's journal, $JC: the classmate's own, $MINE: a file of
    // the student's, $THEIRS: the classmate's folder, anyone may write in it,
    // $R: the results file, $S: the shared folder.
    const struct {
        const char* what;
        const char* attack;
        bool holds;    // the attack holds on while the student starts
        bool setAside; // something is planted at the journal's path
    } cases[] = {
        {"nothing done", ":", false, false},
        {"a lock planted at the journal's old lock", ": > \"$J.lock\"", false, false},
        {"a flock held on the journal and its old lock",
         "exec 3<\"$J\"; flock -s 3; : > \"$J.lock\"; exec 4<\"$J.lock\"; flock -s 4; echo held; "
         "exec sleep 60",
         true, false},
        {"a link to a file of the student's", "rm -f \"$J\"; ln -s \"$MINE\" \"$J\"", false, true},
        {"a FIFO", "rm -f \"$J\"; mkfifo \"$J\"", false, true},
        {"a link to /dev/zero", "rm -f \"$J\"; ln -s /dev/zero \"$J\"", false, true},
        {"5 MB of garbage", "rm -f \"$J\"; head -c 5000000 /dev/urandom > \"$J\"", false, true},
        {"the classmate's journal with the student's name and timeUsed 59",
         "sed -e 's/Петър Петров/Ана Иванова/' -e 's/\"timeUsed\": [0-9]*/\"timeUsed\": 59/' "
         "\"$JC\" > \"$J.new\" && mv -f \"$J.new\" \"$J\"",
         false, true},
        {"the student's journal marked graded",
         "sed -e 's/\"open\"/\"graded\"/' -e 's/\"graded\": 0/\"graded\": 1/' \"$J\" > "
         "\"$J.new\" && mv -f \"$J.new\" \"$J\"",
         false, true},
        {"a dangling link into the classmate's folder",
         "rm -f \"$J\"; ln -s \"$THEIRS/stolen\" \"$J\"", false, true},
        {"a shared flock held on the results file",
         "exec 3<\"$R\"; flock -s 3; echo held; exec sleep 60", true, false},
        {"an exclusive flock held on the results file",
         "exec 3<\"$R\"; flock -x 3; echo held; exec sleep 60", true, false},
        // Only as often as the watcher wins the race; the table in
        // aside_file_test.cpp swaps it every time.
        {"the journal's temporary file swapped for a link as it appears",
         "echo held; while :; do for f in \"$S\"/.vorn-*.part; do [ -e \"$f\" ] && ln -sf "
         "\"$MINE\" \"$f\"; done; done",
         true, false},
    };
    int row = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString scene = root.filePath(QString::number(++row));
        QDir().mkpath(scene);
        // A folder every student may write in, not sticky: the worst a lab can be.
        const QString shared = Made(scene + "/shared", *classmate, kOpen);
        const QString results = shared + "/8a.jsonl";
        WriteFileBytes(results, ""); // as the teacher lays the folder out
        ASSERT_TRUE(QFile::setPermissions(
            results, kOpen & ~(QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther)));
        const QString home = Made(scene + "/student", *student, kPrivate);
        const QString theirs = Made(scene + "/classmate", *classmate, kOpen);
        const QString mine = home + "/notes.txt";
        WriteFileBytes(mine, "мои бележки");
        ASSERT_EQ(::chown(QFile::encodeName(mine).constData(), student->uid, student->gid), 0);
        const QString journal = JournalPath(results, sha, {"Ана Иванова", "8а", {}});

        ASSERT_EQ(Start(*student, home, results, bank, "Ана Иванова"),
                  "attempt 1 resumed 0 used 1 answered 1");
        ASSERT_EQ(Start(*classmate, theirs, results, bank, "Петър Петров"),
                  "attempt 1 resumed 0 used 1 answered 1");
        const QString theirJournal = JournalPath(results, sha, {"Петър Петров", "8а", {}});
        QProcess attack;
        const QStringList command =
            As(*classmate, {"env", "-i", "J=" + journal, "JC=" + theirJournal, "MINE=" + mine,
                            "THEIRS=" + theirs, "R=" + results, "S=" + shared, "PATH=/usr/bin:/bin",
                            "sh", "-c", QString::fromUtf8(c.attack)});
        attack.start(command.front(), command.mid(1));
        const QByteArray theirsBefore = FileBytes(theirJournal);
        if (c.holds)
            ASSERT_TRUE(attack.waitForReadyRead(10000) && attack.readAll() == "held\n");
        else
            ASSERT_TRUE(attack.waitForFinished(10000) && attack.exitCode() == 0)
                << attack.readAllStandardError().toStdString();

        EXPECT_EQ(Start(*student, home, results, bank, "Ана Иванова"),
                  "attempt 1 resumed 1 used 2 answered 1")
            << "the student's own state, not the classmate's";
        EXPECT_EQ(KeepRecord(*student, home, results), "") << "nothing to tell the student";
        attack.kill();
        attack.waitForFinished();
        EXPECT_EQ(FileBytes(mine), "мои бележки");
        EXPECT_FALSE(QFile::exists(theirs + "/stolen")) << "nothing written through the link";
        EXPECT_FALSE(QFileInfo(journal).isSymLink()) << "the student's copy, not a planted link";
        EXPECT_EQ(FileBytes(theirJournal), theirsBefore);
        EXPECT_EQ(FileBytes(results), "{\"record\":1}\n") << "in the shared file";
        EXPECT_FALSE(QFile::exists(home + "/fallback.jsonl"));
        // What was planted is set aside for the teacher, never deleted.
        const QStringList kept = QDir(shared).entryList({"*.kept"}, QDir::Files | QDir::System);
        EXPECT_EQ(kept.size(), c.setAside ? 1 : 0) << kept.join(' ').toStdString();
    }
}
