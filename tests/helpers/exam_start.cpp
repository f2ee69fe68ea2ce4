// vorn-exam-start RESULTS BANK NAME CLASS: starts NAME's exam on BANK as the
// player does, without a window (the lock, the journal found or set aside,
// the attempts on record), answers the question shown, counts one second more
// and keeps the journal. Prints "attempt A resumed R used U answered N", or
// "not started" with the reason on standard error, so that a test can run it
// as one user while another tries to spoil it.

#include "app/exam.h"
#include "bank/bank_file.h"
#include "bank/bank_fingerprint.h"
#include "platform/random_source.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

using namespace vorn;

namespace {

int Say(const QString& text, int status) {
    std::printf("%s\n", text.toUtf8().constData());
    return status;
}

int StartAndAnswer(int argc, char** argv) {
    if (argc != 5) return 2;
    const QString results = QString::fromLocal8Bit(argv[1]);
    const BankContent bank = LoadBankFile(QString::fromLocal8Bit(argv[2])).content;
    const Student student{QString::fromUtf8(argv[3]), QString::fromUtf8(argv[4]), {}};
    const QString sha = BankSha256(bank);
    auto placed = PlaceJournal(JournalPath(results, sha, student));
    if (const auto* problem = std::get_if<QString>(&placed))
        return Say("not started: " + *problem, 1);
    const JournalPlace& place = std::get<JournalPlace>(placed);
    const auto session =
        StartExam(place, bank,
                  {.program = "1.0",
                   .bankSha256 = sha,
                   .student = student,
                   .attempts = 2,
                   .counted = AttemptsCounted::All,
                   .knownBy = KnownBy::Name,
                   .onRecord = AttemptsInResults(results, {sha, student, KnownBy::Name, {}})},
                  QStringLiteral("vorn-exam-start"));
    if (!session) return Say("not started", 1);
    const ExamStart& start = session->start;
    ClockRandom random(7);
    Attempt run = start.run ? *start.run : Attempt::Start(bank, random);
    run.choose(0);
    Journal journal = start.journal;
    journal.seed = 7;
    journal.timeUsed += 1;
    journal.run = run.toJson();
    if (auto problem = WriteJournal(place.own, journal, place.key))
        return Say("not kept: " + *problem, 1);
    WriteJournal(place.shared, journal, place.key); // a copy: a planted file may stay in its way
    return Say(QStringLiteral("attempt %1 resumed %2 used %3 answered %4")
                   .arg(journal.attempt)
                   .arg(start.run.has_value())
                   .arg(journal.timeUsed)
                   .arg(run.answeredCount()),
               0);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // what the start would show goes to standard error
    QGuiApplication app(argc, argv);
    const int status = StartAndAnswer(argc, argv);
    // Ends without the application's teardown, where Qt loads fontconfig only
    // to unload it: that was half of this helper's time.
    std::fflush(stdout);
    std::_Exit(status);
}
