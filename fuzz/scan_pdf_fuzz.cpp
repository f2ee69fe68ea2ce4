// libFuzzer target: any bytes as a scanned file named *.pdf, its pages loaded
// as --scan loads a copier's PDF. Whatever the file holds, the answer is pages
// or a reason, never a crash, a hang, a leak or a page without a picture. The
// PDF library itself works in the rendering program (vorn-pdf-pages), which
// the sanitized build builds too.

#include "scan/sheet_scanner.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scan.pdf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size))
        std::abort();
    file.close();
    // A seed's page takes a fraction of a second, sanitized too: a page two
    // seconds late is stopped, well within the fuzzer's own limit.
    const auto pages = vorn::LoadScannedPages(
        path, {.program = VORN_PDF_PAGES_PATH, .stall = std::chrono::seconds(2)});
    if (const auto* loaded = std::get_if<std::vector<vorn::ScannedPage>>(&pages)) {
        for (const vorn::ScannedPage& page : *loaded)
            if (page.image.isNull()) std::abort();
    } else if (std::get<QString>(pages).isEmpty()) {
        std::abort(); // refused without a reason
    }
    return 0;
}
