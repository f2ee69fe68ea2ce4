// Golden traces: what the examinee sees after every event of hundreds of
// seeded runs, recorded once and replayed on every build. A run's bank, its
// random draws and its events come from the trace; the replay must reach the
// same visible state, property for property, event for event.
//
// Each run is a text file of its own under tests/golden/traces/ (run-000.txt,
// run-001.txt, ...), so that a new recording reads as a diff of the screens
// it changed. VORN_RECORD_TRACES=1 vorn-tests --gtest_filter=GoldenTraces.*
// writes the traces anew (into the source tree); do that only for a change
// that is meant to change what the window shows, and say so in the commit.

#include "golden_state.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <gtest/gtest.h>

#include <random>
#include <sstream>

using namespace vorn;
using namespace vorn::golden;

namespace {

const QString kTracesDir = QStringLiteral(VORN_SOURCE_DIR "/tests/golden/traces");
constexpr int kRuns = 540;
constexpr int kEvents = 90;

// "run-007.txt": zero-padded to the widest run number, so that the files sort
// in run order.
QString RunFileName(int run) {
    const int width = static_cast<int>(QString::number(kRuns - 1).size());
    return QStringLiteral("run-%1.txt").arg(run, width, 10, QLatin1Char('0'));
}

// One event chosen from the run's own generator: mostly answers and moves,
// grading rare so that runs spend time in both modes, and clicks on whatever
// is on screen or not (the gate refuses those). A diligent examinee answers
// and moves on, so that whole tests get answered and graded too.
Event NextEvent(std::mt19937& rng, int diligentStep) {
    const unsigned roll = rng() % 100;
    const int index = static_cast<int>(rng() % 5);
    if (diligentStep >= 0 && roll < 95)
        return diligentStep % 2 == 0 ? Event{EventKind::Option, index % 2}
                                     : Event{EventKind::Command1, 0};
    if (roll < 45) return {EventKind::Option, index};
    if (roll < 72) return {EventKind::Command1, index % 2};
    if (roll < 80) return {EventKind::Command2, 0};
    if (roll < 97) return {EventKind::Command2, 1 + index % 2};
    return {EventKind::Author, 0};
}

QString TraceOfRun(int run) {
    const std::uint32_t seed = 5000u + static_cast<std::uint32_t>(run);
    std::mt19937 rng(seed);
    Player player(run, seed);
    QString trace = QStringLiteral("R %1\n").arg(run);
    VisibleState before;
    const auto note = [&trace, &before](const VisibleState& after) {
        trace += DiffLines(before, after);
        before = after;
    };
    note(player.state());
    const bool diligent = rng() % 2 == 0;
    for (int e = 0; e < kEvents; ++e) {
        const Event event = NextEvent(rng, diligent && e < 2 * 29 + 4 ? e : -1);
        const bool delivered = player.apply(event);
        trace += EventLine(event, delivered);
        note(player.state());
    }
    return trace;
}

std::vector<QStringList> SplitRuns(const QString& text) {
    std::vector<QStringList> runs;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(QStringLiteral("R "))) runs.emplace_back();
        if (!runs.empty()) runs.back().append(line);
    }
    return runs;
}

// Every run's file written anew, and the files of runs that no longer exist
// removed; anything else in the folder is left for the replay to complain of.
void RecordTraces() {
    ASSERT_TRUE(QDir().mkpath(kTracesDir)) << "cannot make " << kTracesDir.toStdString();
    const QDir dir(kTracesDir);
    QStringList expected;
    for (int run = 0; run < kRuns; ++run) {
        expected.append(RunFileName(run));
        QSaveFile out(dir.filePath(expected.back()));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << out.fileName().toStdString();
        out.write(TraceOfRun(run).toUtf8());
        ASSERT_TRUE(out.commit()) << "cannot write " << out.fileName().toStdString();
    }
    for (const QString& name : dir.entryList({QStringLiteral("run-*.txt")}, QDir::Files)) {
        if (expected.contains(name)) continue;
        ASSERT_TRUE(QFile::remove(dir.filePath(name))) << "cannot remove " << name.toStdString();
    }
}

// The recorded runs in run order, one per file. Fails the test, and leaves
// `runs` short, if a run's file is missing, holds anything but that one run,
// or if the folder holds files that are no run's.
void ReadRecordedRuns(std::vector<QStringList>& runs) {
    const QDir dir(kTracesDir);
    ASSERT_TRUE(dir.exists()) << "no traces at " << kTracesDir.toStdString();
    QStringList expected;
    for (int run = 0; run < kRuns; ++run)
        expected.append(RunFileName(run));
    QStringList extra;
    for (const QString& name : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        if (!expected.contains(name)) extra.append(name);
    ASSERT_TRUE(extra.isEmpty()) << kTracesDir.toStdString() << " holds files of no run: "
                                 << extra.join(QStringLiteral(", ")).toStdString();
    for (int run = 0; run < kRuns; ++run) {
        QFile in(dir.filePath(expected[run]));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly))
            << "run " << run << " has no trace: " << in.fileName().toStdString() << " is missing";
        const QByteArray bytes = in.readAll();
        ASSERT_FALSE(bytes.contains('\r'))
            << in.fileName().toStdString() << " has CR line ends; traces are kept with LF";
        const QString text = QString::fromUtf8(bytes);
        ASSERT_TRUE(text.startsWith(QStringLiteral("R %1\n").arg(run)))
            << in.fileName().toStdString() << " does not start as the trace of run " << run;
        std::vector<QStringList> inFile = SplitRuns(text);
        ASSERT_EQ(inFile.size(), 1u)
            << in.fileName().toStdString() << " holds " << inFile.size() << " runs, not one";
        runs.push_back(std::move(inFile.front()));
    }
}

} // namespace

TEST(GoldenTraces, EveryRecordedRunShowsTheSameAfterEveryEvent) {
    if (qEnvironmentVariableIsSet("VORN_RECORD_TRACES")) {
        RecordTraces();
        return;
    }
    std::vector<QStringList> runs;
    ReadRecordedRuns(runs);
    if (HasFatalFailure()) return;
    ASSERT_EQ(runs.size(), static_cast<std::size_t>(kRuns));

    long events = 0;
    for (const QStringList& recorded : runs) {
        const int run = recorded.front().mid(2).toInt();
        // The replay takes its events from the trace, not from the generator,
        // so that the trace alone says what happened.
        Player player(run, 5000u + static_cast<std::uint32_t>(run));
        QStringList replayed{recorded.front()};
        VisibleState before;
        const auto note = [&replayed, &before](const VisibleState& after) {
            replayed += DiffLines(before, after).split(u'\n', Qt::SkipEmptyParts);
            before = after;
        };
        note(player.state());
        for (const QString& line : recorded)
            if (const std::optional<Event> event = ParseEventLine(line)) {
                replayed.append(EventLine(*event, player.apply(*event)).trimmed());
                note(player.state());
                ++events;
            }
        if (replayed == recorded) continue;
        int i = 0;
        while (i < replayed.size() && i < recorded.size() && replayed[i] == recorded[i])
            ++i;
        std::ostringstream where;
        for (int j = std::max(0, i - 12); j < i; ++j)
            where << "    " << recorded[j].left(160).toStdString() << "\n";
        FAIL() << "run " << run << " departs from its trace at line " << i << ":\n"
               << where.str() << "  expected: "
               << (i < recorded.size() ? recorded[i].left(300).toStdString() : "(end)")
               << "\n  replayed: "
               << (i < replayed.size() ? replayed[i].left(300).toStdString() : "(end)");
    }
    RecordProperty("events", std::to_string(events));
}
