// The scanner over a corpus of synthetic scans: SHEETS sheets (34 by
// default) per kind of distortion at DPI (300), every bubble compared with
// what the student did. Prints per distortion the bubbles read right, the
// doubtful ones sent to review, the bubbles read wrongly without asking
// anyone ("silent"), the sheets whose code was missed or mistaken and the
// blank sheets whose class number was read as another, then the misses by mark kind with the seeds
// that make them again (DrawCorpusSheet(distortion, dpi, seed)). Then the speed: sheets read per
// second by two threads at 300 dpi, each page decoded from the JPEG a copier
// would write.
//
//   vorn-bench-paper-scan [SHEETS [DPI]]
//   vorn-bench-paper-scan --pictures DIR   (a few of the scans, as PNG files)

#include "paper/sheet_layout.h"
#include "scan/sheet_scanner.h"
#include "support/synthetic_corpus.h"
#include "support/synthetic_score.h"

#include <QBuffer>
#include <QGuiApplication>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <thread>

using namespace vorn;
using namespace vorn::test;

namespace {

constexpr int kThreads = 2;

// fn(0..count-1) on two threads, each index once.
void ForEachOnThreads(int count, const std::function<void(int)>& fn) {
    std::atomic<int> next{0};
    std::vector<std::jthread> workers;
    for (int t = 0; t < kThreads; ++t)
        workers.emplace_back([&] {
            for (int i = next++; i < count; i = next++)
                fn(i);
        });
}

std::uint32_t SampleSeed(Distortion distortion, int index) {
    return 1000003u * static_cast<std::uint32_t>(distortion) +
           7919u * static_cast<std::uint32_t>(index) + 17u;
}

struct Tally {
    int sheets = 0, bubbles = 0, right = 0, doubtful = 0, toReview = 0, silent = 0;
    int codeUnread = 0, codeWrong = 0, numberWrong = 0;
    std::array<int, std::size(kAllMarkKinds)> missesByKind{};
    std::array<Span, std::size(kAllMarkKinds)> darkness{}, outside{};
    QStringList examples;

    void Add(const ScanScore& score, std::uint32_t seed) {
        ++sheets;
        bubbles += score.bubbles;
        right += score.right;
        doubtful += score.doubtful;
        toReview += score.doubtfulToReview;
        silent += score.silentlyWrong;
        codeUnread += score.codeUnread;
        codeWrong += score.codeWrong;
        numberWrong += score.numberWrong;
        for (std::size_t k = 0; k < missesByKind.size(); ++k) {
            missesByKind[k] += score.missesByKind[k];
            darkness[k].Add(score.darknessByKind[k]);
            outside[k].Add(score.outsideByKind[k]);
        }
        if (score.codeUnread) examples << QStringLiteral("seed %1: no code").arg(seed);
        for (const QString& miss : score.misses)
            if (examples.size() < 6) examples << QStringLiteral("seed %1, %2").arg(seed).arg(miss);
    }

    void Merge(const Tally& other) {
        sheets += other.sheets;
        bubbles += other.bubbles;
        right += other.right;
        doubtful += other.doubtful;
        toReview += other.toReview;
        silent += other.silent;
        codeUnread += other.codeUnread;
        codeWrong += other.codeWrong;
        numberWrong += other.numberWrong;
        for (std::size_t k = 0; k < darkness.size(); ++k) {
            darkness[k].Add(other.darkness[k]);
            outside[k].Add(other.outside[k]);
        }
    }
};

double Percent(int part, int whole) {
    return whole == 0 ? 100.0 : 100.0 * part / whole;
}

Tally ReadCorpus(Distortion distortion, int sheets, double dpi) {
    std::vector<ScanScore> scores(static_cast<std::size_t>(sheets));
    ForEachOnThreads(sheets, [&](int i) {
        const CorpusSheet sheet = DrawCorpusSheet(distortion, dpi, SampleSeed(distortion, i));
        const SyntheticScan scan = MakeCorpusScan(sheet);
        const SheetReading reading =
            ReadSheet({{QStringLiteral("corpus"), 1}, scan.image},
                      [&sheet](const SheetCode& code) { return CorpusRows(sheet, code); });
        scores[static_cast<std::size_t>(i)] = ScoreReading(reading, sheet, scan);
    });
    Tally tally;
    for (int i = 0; i < sheets; ++i)
        tally.Add(scores[static_cast<std::size_t>(i)], SampleSeed(distortion, i));
    return tally;
}

void PrintRow(const char* name, const Tally& t) {
    std::printf("%-20s %6d %8d %9.3f %9.2f %8d %8d %8d %8d\n", name, t.sheets, t.bubbles,
                Percent(t.right, t.bubbles), Percent(t.toReview, t.doubtful), t.silent,
                t.codeUnread, t.codeWrong, t.numberWrong);
}

void PrintMisses(const char* name, const Tally& t) {
    QStringList kinds;
    for (std::size_t k = 0; k < t.missesByKind.size(); ++k)
        if (t.missesByKind[k] > 0)
            kinds << QStringLiteral("%1 %2")
                         .arg(QLatin1String(MarkKindName(kAllMarkKinds[k])))
                         .arg(t.missesByKind[k]);
    if (kinds.isEmpty() && t.examples.isEmpty()) return;
    std::printf("  %s: misses by kind: %s\n", name, qPrintable(kinds.join(QStringLiteral(", "))));
    for (const QString& example : t.examples)
        std::printf("    %s\n", qPrintable(example));
}

void MeasureAccuracy(int sheets, double dpi) {
    std::printf("%-20s %6s %8s %9s %9s %8s %8s %8s %8s\n", "distortion", "sheets", "bubbles",
                "right %", "review %", "silent", "no code", "wrong", "number");
    Tally all;
    std::vector<std::pair<const char*, Tally>> rows;
    for (Distortion distortion : kAllDistortions) {
        const Tally t = ReadCorpus(distortion, sheets, dpi);
        PrintRow(DistortionName(distortion), t);
        std::fflush(stdout);
        rows.emplace_back(DistortionName(distortion), t);
        all.Merge(t);
    }
    PrintRow("all", all);
    std::printf("\nwhat the scanner measured per kind of mark, all distortions:\n"
                "%-12s %17s %17s\n",
                "kind", "darkness", "outside");
    for (std::size_t k = 0; k < all.darkness.size(); ++k)
        std::printf("%-12s %8.3f-%-8.3f %8.3f-%-8.3f\n", MarkKindName(kAllMarkKinds[k]),
                    all.darkness[k].low, all.darkness[k].high, all.outside[k].low,
                    all.outside[k].high);
    std::printf("\n");
    for (const auto& [name, t] : rows)
        PrintMisses(name, t);
}

QByteArray Jpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 75);
    return bytes;
}

void MeasureSpeed(int sheets) {
    std::vector<CorpusSheet> corpus;
    std::vector<QByteArray> files;
    for (int i = 0; i < sheets; ++i) {
        corpus.push_back(
            DrawCorpusSheet(Distortion::Copier, 300, SampleSeed(Distortion::Copier, 5000 + i)));
        files.push_back(Jpeg(MakeCorpusScan(corpus.back()).image));
    }
    std::atomic<int> read{0};
    const auto start = std::chrono::steady_clock::now();
    ForEachOnThreads(sheets, [&](int i) {
        const auto index = static_cast<std::size_t>(i);
        QImage page;
        page.loadFromData(files[index], "JPG");
        const SheetReading reading =
            ReadSheet({{QStringLiteral("speed"), 1}, page},
                      [&](const SheetCode& code) { return CorpusRows(corpus[index], code); });
        if (reading.code) ++read;
    });
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("\nspeed: %d sheets at 300 dpi (JPEG q75, decoding included), %d threads: "
                "%.2f s, %.2f sheets/s (%d codes read)\n",
                sheets, kThreads, elapsed.count(), sheets / elapsed.count(), read.load());
}

void SavePictures(const QString& folder) {
    const std::pair<Distortion, const char*> shown[] = {{Distortion::Copier, "all-at-once"},
                                                        {Distortion::CornerSmudge, "corner-smudge"},
                                                        {Distortion::BlackAndWhite, "copier-bw"}};
    for (const auto& [distortion, slug] : shown) {
        const CorpusSheet sheet = DrawCorpusSheet(distortion, 150, SampleSeed(distortion, 0));
        const QString name =
            QStringLiteral("%1/synthetic-scan-%2.png").arg(folder, QLatin1String(slug));
        MakeCorpusScan(sheet).image.save(name);
        std::printf("%s: %s\n", qPrintable(name), DistortionName(distortion));
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the sheet's text needs fonts
    if (argc > 2 && std::strcmp(argv[1], "--pictures") == 0) {
        SavePictures(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    const int sheets = argc > 1 ? std::atoi(argv[1]) : 34;
    const double dpi = argc > 2 ? std::atof(argv[2]) : 300;
    MeasureAccuracy(sheets, dpi);
    MeasureSpeed(40);
    return 0;
}
