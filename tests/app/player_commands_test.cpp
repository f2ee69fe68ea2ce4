// The real program's commands that need no display: help, version, usage
// errors, checking a bank, refusing to play one that cannot be played, and
// the report, made by the report's program the player starts, all with no
// display and without waiting on anything.

#include "platform/exit_status.h"
#include "record/exam_keys.h"
#include "record/record_parsing.h"
#include "record/result_record.h"
#include "record/sealed_line.h"
#include "support/one_record.h"

#include "support/private_environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Ran {
    int status = -1;
    QString out, err;
};

Ran RunProgram(const QString& program, const QStringList& arguments,
               const QStringList& extraEnvironment = {}) {
    QProcessEnvironment env = vorn::test::PrivateEnvironment();
    for (const QString& setting : extraEnvironment)
        env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    QProcess player;
    player.setProcessEnvironment(env);
    player.start(program, arguments);
    EXPECT_TRUE(player.waitForFinished(20000)) << arguments.join(' ').toStdString();
    EXPECT_EQ(player.exitStatus(), QProcess::NormalExit);
    return {player.exitCode(), QString::fromUtf8(player.readAllStandardOutput()),
            QString::fromUtf8(player.readAllStandardError())};
}

Ran RunPlayer(const QStringList& arguments, const QStringList& extraEnvironment = {}) {
    return RunProgram(QStringLiteral(VORN_PLAYER_PATH), arguments, extraEnvironment);
}

// A GIFT bank whose third question (line 5) has an answer block left open at
// column 4, and whose first two are sound.
const char* kBrokenGift = "Q1 {=a ~b}\n\nQ2 {=a ~b}\n\nQ3 {=a ~b\n";
// Playable: its second question (line 3, the block at column 4) is true/false,
// skipped with a warning, and three choice questions are left.
const char* kSkippingGift = "Q1 {=a ~b}\n\nQ2 {T}\n\nQ3 {=a ~b}\n\nQ4 {=c ~d}\n";
// Sound, but its fourth question (line 7) has the same option twice: a warning.
const char* kWarnedGift = "Q1 {=a ~b}\n\nQ2 {=a ~b}\n\nQ3 {=a ~b ####x}\n\nQ4 {=c ~d ~d}\n";

const char* const kOneRecord = vorn::test::kOneRecordLine;

QString WriteText(const QTemporaryDir& dir, const QString& name, const char* text) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return file.fileName();
}

// A copy of the built program at `path` under `root`, as an installation has it.
void Install(const QString& program, const QTemporaryDir& root, const QString& path) {
    const QString target = root.filePath(path);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(target).path()));
    ASSERT_TRUE(QFile::copy(program, target)) << target.toStdString();
}

} // namespace

TEST(PlayerCommands, HelpVersionAndUsageErrorsNeedNoDisplay) {
    const Ran help = RunPlayer({"--help"});
    EXPECT_EQ(help.status, vorn::kExitOk);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Употреба: vorn-player")))
        << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--check-bank ФАЙЛ")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("--results ФАЙЛ")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("--report ФАЙЛ...")));

    const Ran version = RunPlayer({"--version"});
    EXPECT_EQ(version.status, vorn::kExitOk);
    EXPECT_EQ(version.out, QStringLiteral("vorn-player " VORN_VERSION "\n"));

    const Ran wrong = RunPlayer({"--colour"});
    EXPECT_EQ(wrong.status, vorn::kExitUsage);
    EXPECT_TRUE(wrong.err.startsWith(QStringLiteral("vorn-player: непозната опция „--colour“.\n") +
                                     QStringLiteral("Употреба:")))
        << wrong.err.toStdString();
    EXPECT_TRUE(wrong.out.isEmpty());
}

TEST(PlayerCommands, CheckBankReportsErrorsAndWarningsWithTheirPlace) {
    QTemporaryDir dir;
    const QString broken = WriteText(dir, "broken.gift", kBrokenGift);
    const Ran refused = RunPlayer({"--check-bank", broken});
    EXPECT_EQ(refused.status, vorn::kExitRefused);
    EXPECT_TRUE(refused.out.startsWith(broken + QStringLiteral(":5:4: грешка: въпрос 3: ")))
        << refused.out.toStdString();
    EXPECT_TRUE(refused.out.contains(QStringLiteral("1 грешка, 0 предупреждения")));

    const QString warned = WriteText(dir, "warned.gift", kWarnedGift);
    const Ran lenient = RunPlayer({"--check-bank", warned});
    EXPECT_EQ(lenient.status, vorn::kExitOk) << lenient.out.toStdString();
    EXPECT_TRUE(lenient.out.startsWith(warned + QStringLiteral(":7: предупреждение: въпрос 4:")))
        << lenient.out.toStdString();
    EXPECT_EQ(RunPlayer({"--check-bank", warned, "--strict"}).status, vorn::kExitRefused);

    const QString skipping = WriteText(dir, "skipping.gift", kSkippingGift);
    const Ran skipped = RunPlayer({"--check-bank", skipping});
    EXPECT_EQ(skipped.status, vorn::kExitOk) << skipped.out.toStdString();
    EXPECT_TRUE(skipped.out.startsWith(
        skipping + QStringLiteral(":3:4: предупреждение: въпрос 2: въпрос от вид „вярно/невярно“")))
        << skipped.out.toStdString();
    EXPECT_EQ(RunPlayer({"--check-bank", skipping, "--strict"}).status, vorn::kExitRefused);
}

// The checker lays texts out as the window does, without a display: an option
// of forty words cannot show in a box of a few lines (the measure itself is
// tested in tests/view/texts_overflowing_test.cpp).
TEST(PlayerCommands, CheckBankWarnsOfATextLongerThanItsBox) {
    QTemporaryDir dir;
    const QByteArray words = QByteArray("дума ").repeated(40);
    const QByteArray gift = "Q1 {=a ~b}\n\nQ2 {=c ~" + words + "}\n\nQ3 {=d ~e}\n";
    const QString longOption = WriteText(dir, "long.gift", gift.constData());
    const Ran warned = RunPlayer({"--check-bank", longOption});
    EXPECT_EQ(warned.status, vorn::kExitOk) << warned.err.toStdString();
    EXPECT_TRUE(warned.out.startsWith(
        longOption + QStringLiteral(":3: предупреждение: въпрос 2: текстът на отговор 2 (по реда "
                                    "в банката) не се побира в полето си (")))
        << warned.out.toStdString();
    EXPECT_TRUE(warned.out.contains(QStringLiteral("0 грешки, 1 предупреждение.")))
        << warned.out.toStdString();
    EXPECT_EQ(RunPlayer({"--check-bank", longOption, "--strict"}).status, vorn::kExitRefused);
}

// Qt lays out HTML with a GUI application's fonts: without one, a GIFT [html]
// text with <pre>, <code> or a table cell crashed the checker and a start
// without a display.
TEST(PlayerCommands, HtmlThatNeedsFontsIsReadWithoutAWindow) {
    QTemporaryDir dir;
    const QString gift = WriteText(dir, "code.gift",
                                   "[html]<pre>x = 1</pre> <code>y</code> <tt>t</tt> <kbd>k</kbd> "
                                   "<table><tr><td>cell</td></tr></table> Which? {=a ~b}\n\n"
                                   "Second {=a ~b}\n\nThird {=a ~b}\n");
    const Ran checked = RunPlayer({"--check-bank", gift});
    EXPECT_EQ(checked.status, vorn::kExitOk) << checked.out.toStdString();
    EXPECT_TRUE(checked.out.contains(QStringLiteral("3 въпроса, 0 грешки")))
        << checked.out.toStdString();
    const Ran noDisplay = RunPlayer({"--bank", gift});
    EXPECT_EQ(noDisplay.status, vorn::kExitRefused) << noDisplay.err.toStdString();
}

TEST(PlayerCommands, ABankThatCannotBePlayedIsRefusedBeforeAnyWindow) {
    QTemporaryDir dir;
    const QString broken = WriteText(dir, "broken.gift", kBrokenGift);
    // No display at all, and a platform that shows nothing: no dialog to wait on.
    for (const QStringList& display : {QStringList{}, QStringList{"-platform", "offscreen"}}) {
        const Ran refused = RunPlayer(display + QStringList{"--bank", broken});
        EXPECT_EQ(refused.status, vorn::kExitRefused);
        EXPECT_TRUE(
            refused.err.startsWith(QStringLiteral("vorn-player: Тестът не може да започне: ") +
                                   broken + QStringLiteral(":5:4: грешка: въпрос 3:")))
            << refused.err.toStdString();
    }
}

TEST(PlayerCommands, ReportNeedsNoDisplay) {
    QTemporaryDir dir;
    const QString results = WriteText(dir, "8a.jsonl", kOneRecord);
    const Ran text = RunPlayer({"--report", results});
    EXPECT_EQ(text.status, vorn::kExitOk) << text.err.toStdString();
    EXPECT_TRUE(text.out.startsWith(QStringLiteral("Тест „T“\n"))) << text.out.toStdString();
    const Ran html = RunPlayer(
        {"--report", results, "--report-format", "html", "--output", dir.filePath("r.html")});
    EXPECT_EQ(html.status, vorn::kExitOk) << html.err.toStdString();
    EXPECT_EQ(html.out, QStringLiteral("Отчетът е записан в %1\n").arg(dir.filePath("r.html")));
    const Ran none = RunPlayer({"--report", dir.filePath("none.jsonl")});
    EXPECT_EQ(none.status, vorn::kExitRefused);
}

// Whatever a bank or a file name holds, the checker prints one line per
// message with nothing a terminal acts on, and a name with "%4" as it is.
TEST(PlayerCommands, TheCheckersLinesAreOneLineEachWithNoControlAndNoFormatFromData) {
    QTemporaryDir dir;
    const QString gift =
        WriteText(dir, QStringLiteral("%4 тест\x1b[2J.gift"),
                  "Q1 {=a ~a ~b}\n\nQ2 {=a ~b}\n\nQ3 {=\x1b[31mx\nОпити: 9999 ~y}\n");
    const Ran checked = RunPlayer({"--check-bank", gift});
    const QStringList lines = checked.out.split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        EXPECT_TRUE(line.startsWith(dir.path() + QStringLiteral("/%4 тест\\x1b[2J.gift")))
            << line.toStdString();
        for (const QChar c : line)
            EXPECT_FALSE(c.unicode() < 0x20) << line.toStdString();
    }
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.last().endsWith(QStringLiteral(": 3 въпроса, 0 грешки, 1 предупреждение.")))
        << lines.last().toStdString();
    // Its warning on standard error when it is played, too.
    const Ran played =
        RunPlayer({"--bank", gift, "-platform", "offscreen", "--quit-after-first-frame"});
    EXPECT_TRUE(played.err.contains(QStringLiteral("\\x1b[2J"))) << played.err.toStdString();
    EXPECT_EQ(played.err.count(u'\x1b'), 0);
}

// Fault caught: the window loading image plugins it does not show. Left to
// find a picture's format, Qt loads every plugin installed and their
// libraries (TIFF, WebP, SVG...): over a megabyte of the start's memory. The
// shipped test's pictures are drawn from PNGs, which QtGui reads itself; the
// same test as a bank file shows its JPEGs, with the JPEG plugin alone.
TEST(PlayerCommands, TheFirstFrameLoadsOnlyTheImagePluginsItsPictureNeeds) {
    const struct {
        QStringList bank;
        QStringList plugins;
    } rows[] = {{{}, {}}, {{"--bank", VORN_EXAMPLES_DIR "/parallelogram.vorn.json"}, {"libqjpeg"}}};
    const QRegularExpression plugin(QStringLiteral(R"(imageformats/(\w+)\.so" loaded library)"));
    for (const auto& row : rows) {
        const Ran played = RunPlayer(row.bank + QStringList{"-platform", "offscreen", "--seed", "1",
                                                            "--quit-after-first-frame"},
                                     {"QT_DEBUG_PLUGINS=1"});
        QStringList loaded;
        for (auto match = plugin.globalMatch(played.err); match.hasNext();)
            loaded << match.next().captured(1);
        EXPECT_EQ(played.status, 0) << played.err.toStdString();
        EXPECT_EQ(loaded, row.plugins) << row.bank.join(u' ').toStdString();
    }
}

// Faults caught: the installed player looking for the report's program
// anywhere but the package's libexec folder; a missing report's program, or
// one that cannot be run, passing unnoticed, or told in English or with a
// usage status; the command
// line checked only by the report's program (a wrong line must be told by the
// player, even without it); the report's program doing something else.
TEST(PlayerCommands, TheReportIsMadeByTheInstalledReportProgramOrItsAbsenceIsTold) {
    QTemporaryDir dir, installed, alone, unrunnable;
    const QString results = WriteText(dir, "8a.jsonl", kOneRecord);
    for (const QTemporaryDir* root : {&installed, &alone, &unrunnable})
        Install(QStringLiteral(VORN_PLAYER_PATH), *root, "bin/vorn-player");
    for (const QTemporaryDir* root : {&installed, &unrunnable})
        Install(QStringLiteral(VORN_REPORT_PROGRAM_PATH), *root, "libexec/vorn-player/vorn-report");
    const QString notExecutable = unrunnable.filePath("libexec/vorn-player/vorn-report");
    ASSERT_TRUE(QFile::setPermissions(notExecutable, QFileDevice::ReadOwner));
    // The places as the player sees itself: with no symbolic link in them.
    const QString aloneRoot = QFileInfo(alone.path()).canonicalFilePath();
    const QString missing =
        QStringLiteral("vorn-player: отчетът не може да се направи: липсва програмата за отчети "
                       "vorn-report (търсена в %1/libexec/vorn-player/vorn-report, "
                       "%1/bin/vorn-report); инсталирайте vorn-player отново.\n")
            .arg(aloneRoot);
    struct Row {
        QString program;
        QStringList arguments;
        int status;
        QString outStart, errStart;
    };
    const Row rows[] = {
        {installed.filePath("bin/vorn-player"),
         {"--report", results},
         vorn::kExitOk,
         QStringLiteral("Тест „T“\n"),
         {}},
        {alone.filePath("bin/vorn-player"), {"--report", results}, vorn::kExitFault, {}, missing},
        {unrunnable.filePath("bin/vorn-player"),
         {"--report", results},
         vorn::kExitFault,
         {},
         QStringLiteral("vorn-player: програмата за отчети %1 не може да се стартира: ")
             .arg(QFileInfo(notExecutable).canonicalFilePath())},
        {alone.filePath("bin/vorn-player"),
         {"--report", results, "--report-format", "pdf"},
         vorn::kExitUsage,
         {},
         QStringLiteral("vorn-player: „--report-format“ иска „text“, „csv“, „html“ или „xlsx“")},
        {installed.filePath("libexec/vorn-player/vorn-report"),
         {"--check-bank", results},
         vorn::kExitUsage,
         {},
         QStringLiteral("vorn-player: тази програма прави само отчети; стартирайте "
                        "vorn-player --report.\n")},
    };
    for (const Row& row : rows) {
        const Ran ran = RunProgram(row.program, row.arguments);
        const std::string shown = (row.program + ' ' + row.arguments.join(' ')).toStdString();
        EXPECT_EQ(ran.status, row.status) << shown << '\n' << ran.err.toStdString();
        EXPECT_TRUE(ran.out.startsWith(row.outStart)) << shown << '\n' << ran.out.toStdString();
        EXPECT_TRUE(ran.err.startsWith(row.errStart)) << shown << '\n' << ran.err.toStdString();
    }
}

// The teacher's keys from the command line, then a record sealed with them:
// the report counts it without the secret key and reads it with it.
TEST(PlayerCommands, ExamKeysAreMadeOnceAndOnlyTheSecretOpensASealedRecord) {
    QTemporaryDir dir;
    const QString keys = dir.filePath("keys");
    const Ran made = RunPlayer({"--make-exam-keys", keys});
    ASSERT_EQ(made.status, vorn::kExitOk) << made.err.toStdString();
    const Ran again = RunPlayer({"--make-exam-keys", keys});
    EXPECT_EQ(again.status, vorn::kExitRefused);
    EXPECT_TRUE(again.err.contains(QStringLiteral("не се презаписват"))) << again.err.toStdString();

    const auto key = std::get<vorn::ExamPublicKey>(vorn::ReadExamPublicKey(keys + "/exam.pub"));
    QByteArray json(kOneRecord);
    json.chop(1);
    const auto record = vorn::ParseRecordLine(json);
    ASSERT_TRUE(record);
    const QByteArray line = vorn::SealedLine(json, key, vorn::StudentTagOf(key, *record),
                                             vorn::ChainLink(QByteArray())) +
                            '\n';
    const QString results = WriteText(dir, "8a.jsonl", line.constData());

    const Ran closed = RunPlayer({"--report", results});
    EXPECT_EQ(closed.status, vorn::kExitRefused);
    EXPECT_TRUE(closed.err.contains(QStringLiteral("запечатани записи: 1; отварят се само с "
                                                   "тайния ключ на изпита")))
        << closed.err.toStdString();
    const Ran opened = RunPlayer({"--report", results, "--exam-secret", keys + "/exam.secret"});
    EXPECT_EQ(opened.status, vorn::kExitOk) << opened.err.toStdString();
    EXPECT_TRUE(opened.out.startsWith(QStringLiteral("Тест „T“\n"))) << opened.out.toStdString();
    const Ran noKey = RunPlayer({"--report", results, "--exam-secret", keys + "/none"});
    EXPECT_EQ(noKey.status, vorn::kExitRefused);
}

// Catches: an exam started (its name window opened, a journal or a record
// written) on a class list with a bad line (a student missing from the
// choice) or on an exam file whose bank cannot be played (the built-in test
// played instead); a damaged exam file started as a practice run; a locked
// bank read without its password or with a wrong one, or an exam with a
// locked bank started on one swapped for one in clear; each refusal told
// without saying why, or with another status than a bank that cannot be played.
TEST(PlayerCommands, AnExamThatCannotStartIsRefusedBeforeAnyWindowAndWritesNothing) {
    QTemporaryDir dir;
    const QString broken = WriteText(dir, "broken.gift", kBrokenGift);
    const QString list = WriteText(dir, "8а.txt", "1;Иван Петров;8а\n2;Мария Иванова\n");
    const QString right = WriteText(dir, "pw", "слънце-и-луна\n");
    const QString wrong = WriteText(dir, "bad", "слънце-и-звезди\n");
    const QString plain = WriteText(dir, "plain.gift", kSkippingGift);
    const QString damaged = WriteText(dir, "damaged.vorn-exam", "{\"format\": \"vorn-exam\"");
    const QString locked = dir.filePath("locked.vorn");
    const QString exam = dir.filePath("lab.vorn-exam");
    const QString results = dir.filePath("results/8a.jsonl");
    ASSERT_TRUE(QDir(dir.path()).mkdir("results"));
    for (const QStringList& made :
         {QStringList{"--export-bank", locked, "--lock", "--password-file", right},
          QStringList{"--make-exam", exam, "--bank", broken, "--results", results}}) {
        const Ran ran = RunPlayer(made);
        ASSERT_EQ(ran.status, vorn::kExitOk) << ran.err.toStdString();
    }
    const QStringList offscreen{"-platform", "offscreen"};
    const QString cannot = "vorn-player: Тестът не може да започне: ";
    const QString badList = cannot + "списъкът на класа " + list +
                            ": ред 2: очакват се три полета „номер;име;клас“, а има 2.";
    const QString wrongPassword = locked + ": грешка: паролата не е вярна.";
    const struct {
        QStringList arguments;
        int status;
        QString says; // on standard output or error
    } cases[] = {
        {{"--exam", "--results", results, "--class-list", list}, vorn::kExitRefused, badList},
        {offscreen + QStringList{"--exam", "--results", results, "--class-list", list},
         vorn::kExitRefused, badList},
        {{"--make-exam", exam, "--results", results}, vorn::kExitRefused, "вече съществува"},
        {{exam}, vorn::kExitRefused, cannot + broken + ":5:4:"},
        {{"--bank=" + exam}, vorn::kExitRefused, cannot + broken + ":5:4:"},
        {{damaged},
         vorn::kExitRefused,
         "vorn-player: файлът на изпита „" + damaged + "“: не е JSON обект.\n"},
        {{"--check-bank", locked, "--password-file", right},
         vorn::kExitOk,
         locked + ": 20 въпроса, 0 грешки, 0 предупреждения."},
        {{"--check-bank", locked, "--password-file", wrong}, vorn::kExitRefused, wrongPassword},
        {{"--check-bank", locked, "--password-file", dir.filePath("none")},
         vorn::kExitRefused,
         "файлът с паролата „" + dir.filePath("none") + "“ не може да се прочете."},
        {offscreen + QStringList{"--bank", locked, "--exam", "--results", results,
                                 "--password-file", wrong},
         vorn::kExitRefused, cannot + wrongPassword},
        {offscreen + QStringList{"--bank", locked, "--exam", "--results", results},
         vorn::kExitRefused, "банката е заключена с парола, а парола не е дадена."},
        {offscreen + QStringList{"--bank", plain, "--lock", "--exam", "--results", results},
         vorn::kExitRefused,
         "изпитът е с заключена банка, а " + plain + " не е заключена с парола."},
        {{"--report", WriteText(dir, "8a.jsonl", kOneRecord), "--bank", locked, "--password-file",
          wrong},
         vorn::kExitRefused,
         "банката " + locked + ": паролата не е вярна."},
    };
    for (const auto& c : cases) {
        const Ran ran = RunPlayer(c.arguments);
        EXPECT_EQ(ran.status, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE((ran.out + ran.err).contains(c.says))
            << ran.out.toStdString() << ran.err.toStdString();
        EXPECT_TRUE(QDir(dir.filePath("results")).isEmpty()) << "nothing written";
    }
}
