// vorn-keep-record RESULTS FALLBACK WAIT_MS: keeps one record as a graded run
// does and prints what the examinee is told ("" when it was written), so that
// a test can run it as another user or on a disk of its own making.

#include "app/results_saving.h"

#include <cstdio>

using namespace vorn;

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    const ResultsPlace place{.path = QString::fromLocal8Bit(argv[1]),
                             .fallbackPath = QString::fromLocal8Bit(argv[2]),
                             .lockWait = std::chrono::milliseconds(QByteArray(argv[3]).toInt()),
                             .sealTo = std::nullopt};
    const auto told = KeepRecord(
        [](const std::optional<QByteArray>&) { return QByteArray("{\"record\":1}\n"); }, place);
    std::printf("%s", told.value_or(QString()).toUtf8().constData());
    return 0;
}
