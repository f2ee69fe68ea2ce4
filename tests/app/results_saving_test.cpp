// A record that cannot be written where the teacher wants it: the examinee is
// told the path and the reason (standard error and a box), the record is kept
// in the fallback file, and the result on screen stays as it was.

#include "app/results_saving.h"
#include "record/run_record.h"
#include "support/captured_stderr.h"
#include "support/form_listeners.h"
#include "support/test_banks.h"
#include "view/form_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <sys/file.h>

using namespace vorn;
using namespace std::chrono_literals;

namespace {

struct Graded {
    QString said;    // the program's lines on standard error, not the toolkit's
    QString box;     // the message box's text
    QString caption; // the result label
};

// A run with two of its four positions answered right, graded by a click in
// the window while the record goes to `place`.
Graded GradeInWindow(const ResultsPlace& place) {
    const auto run =
        test::StartRun(test::MakeBank({.questions = 3}), test::StepThenIdentity(0.1f, 4));
    MainForm& f = *run->form;
    for (int p = 0; p < 2; ++p, f.forward())
        test::AnswerRight(f);
    FormView view(f);
    test::ListenerOf listener;
    listener.onGraded = [&](const Attempt& graded) {
        SaveResults(RecordOfRun(graded, {.seed = 7}), place, &view, f.controls().window.Caption);
    };
    f.setListener(&listener);
    view.show();
    QApplication::processEvents();

    test::CapturedStandardError err;
    QTest::mouseClick(view.widgetFor("Command2(0)"), Qt::LeftButton);
    const QStringList said = err.text().split(u'\n').filter(QRegularExpression("^vorn-player: "));
    const auto* box = view.findChild<QMessageBox*>();
    return {said.join(u'\n') + u'\n', box ? box->text() : QString(),
            qobject_cast<QLabel*>(view.widgetFor("Label1(1)"))->text()};
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(ResultsSaving, AFailedWriteIsToldAndTheRecordKeptInTheFallbackFile) {
    QStandardPaths::setTestModeEnabled(true);
    const QString fallback =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/results.jsonl";
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::link("/dev/full", dir.filePath("full.jsonl")));
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    const struct {
        QString path, reason;
    } cases[] = {
        {dir.filePath("full.jsonl"), "пътят е символна връзка, а не файл"},
        {dir.filePath("plain/results.jsonl"), "част от пътя не е папка"},
        {dir.filePath("missing/results.jsonl"), "папката не съществува"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason.toStdString());
        QFile::remove(fallback);
        const Graded graded = GradeInWindow({c.path, fallback, 100ms});
        const QString message = "Резултатът не е записан в „" + c.path + "“: " + c.reason +
                                ". Запазен е във файла „" + fallback + "“. Повикайте учителя.";
        EXPECT_EQ(graded.said, QString("vorn-player: " + message + "\n"));
        EXPECT_EQ(graded.box, message);
        EXPECT_EQ(graded.caption, QStringLiteral("Резултат: 2/4 = 50%"));
        const QByteArray kept = Contents(fallback);
        EXPECT_EQ(kept.count('\n'), 1);
        EXPECT_EQ(QJsonDocument::fromJson(kept).object()["percent"], 50);
    }
    QFile::remove(fallback);
}

TEST(ResultsSaving, WhenTheFallbackFailsTooTheRecordGoesToStandardError) {
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    const ResultsPlace place{dir.filePath("plain/results.jsonl"),
                             dir.filePath("plain/fallback.jsonl")};
    const Graded graded = GradeInWindow(place);
    const QStringList lines = graded.said.split(u'\n');
    ASSERT_EQ(lines.size(), 3) << graded.said.toStdString(); // two, and the last newline
    EXPECT_EQ(lines[0], "vorn-player: Резултатът не е записан в „" + place.path +
                            "“: част от пътя не е папка, нито в „" + place.fallbackPath +
                            "“: част от пътя не е папка. Не затваряйте прозореца с резултата. "
                            "Повикайте учителя. Записът следва на стандартната грешка.");
    ASSERT_TRUE(lines[1].startsWith("vorn-player: {"));
    EXPECT_EQ(QJsonDocument::fromJson(lines[1].mid(13).toUtf8()).object()["seed"], 7);
    EXPECT_EQ(graded.caption, QStringLiteral("Резултат: 2/4 = 50%"));
}

TEST(ResultsSaving, TheResultShowsAtOnceWhileAnotherPlayerHoldsTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("class.jsonl");
    QFile other(path);
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    ASSERT_EQ(::flock(other.handle(), LOCK_EX), 0);

    const auto run =
        test::StartRun(test::MakeBank({.questions = 3}), test::StepThenIdentity(0.1f, 4));
    MainForm& f = *run->form;
    FormView view(f);
    ResultsKeeper keeper({path, dir.filePath("fallback.jsonl"), 5s}, &view, QString());
    test::ListenerOf listener;
    listener.onGraded = [&](const Attempt& graded) {
        keeper.keep(RecordOfRun(graded, {.seed = 7}));
    };
    f.setListener(&listener);
    view.show();
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(view.widgetFor("Command2(0)"), Qt::LeftButton);
    EXPECT_LT(clock.elapsed(), 2000) << "the click returned while the file was locked";
    EXPECT_EQ(qobject_cast<QLabel*>(view.widgetFor("Label1(1)"))->text(),
              QStringLiteral("Резултат: 0/4 = 0%"));
    EXPECT_EQ(Contents(path), QByteArray()) << "not written yet";

    ::flock(other.handle(), LOCK_UN); // the other player is done
    keeper.wait();
    EXPECT_EQ(Contents(path).count('\n'), 1) << "the record followed";
    EXPECT_FALSE(QFile::exists(dir.filePath("fallback.jsonl")));
}
