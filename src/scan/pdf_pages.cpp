#include "pdf_pages.h"

#include "grey_page.h"
#include "page_caps.h"
#include "platform/text.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QPdfDocument>
#include <QProcess>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>

namespace vorn {

namespace {

// What the rendering program writes: a header (a tag and two numbers, in
// this machine's byte order: both programs are one build), then a page's
// grey pixels row by row, or a problem's UTF-8 text.
constexpr char kPageTag = 'P';    // width, height
constexpr char kProblemTag = 'R'; // the text's length in bytes, 0
constexpr qint64 kHeaderBytes = 1 + 2 * sizeof(qint32);
constexpr qint32 kMaxProblemBytes = 64 * 1024;

bool WriteHeader(QIODevice& out, char tag, qint32 first, qint32 second) {
    std::array<char, kHeaderBytes> header{tag};
    std::memcpy(header.data() + 1, &first, sizeof first);
    std::memcpy(header.data() + 1 + sizeof first, &second, sizeof second);
    return out.write(header.data(), kHeaderBytes) == kHeaderBytes;
}

QString DamagedPdf(const QString& file) {
    return QStringLiteral("%1 не може да бъде прочетен като PDF: файлът е повреден.")
        .arg(QuotedFile(file));
}

QString LoadProblem(const QString& file, QPdfDocument::Error error) {
    switch (error) {
    case QPdfDocument::Error::IncorrectPassword:
    case QPdfDocument::Error::UnsupportedSecurityScheme:
        return QStringLiteral("%1 е защитен с парола: запишете сканирането без защита.")
            .arg(QuotedFile(file));
    default:
        return DamagedPdf(file);
    }
}

// The page's size in pixels at kPdfPageDpi; an empty size for a page whose
// size is not a number.
QSize RenderedSize(const QSizeF& points) {
    const double scale = kPdfPageDpi / 72.0;
    const double width = points.width() * scale, height = points.height() * scale;
    if (!std::isfinite(width) || !std::isfinite(height) || width < 1 || height < 1) return {};
    if (width > kMaxPageSide + 1 || height > kMaxPageSide + 1) // any size past the cap
        return {kMaxPageSide + 1, kMaxPageSide + 1};
    return {int(std::lround(width)), int(std::lround(height))};
}

// The rendering program: beside the running one unless named.
QString RendererProgram(const PdfRenderer& renderer) {
    if (!renderer.program.isEmpty()) return renderer.program;
    std::error_code unknown;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", unknown);
    if (unknown || !self.is_absolute()) return {};
    return QFile::decodeName((self.parent_path() / VORN_PDF_PAGES_PROGRAM).c_str());
}

// Up to `size` bytes from the program into `to`, waiting for them until
// `deadline`; how many came.
qint64 Take(QProcess& program, char* to, qint64 size, const QDeadlineTimer& deadline) {
    qint64 taken = 0;
    while (taken < size) {
        const qint64 got = program.read(to + taken, size - taken);
        if (got < 0) break;
        taken += got;
        if (taken < size && program.bytesAvailable() == 0 &&
            !program.waitForReadyRead(int(std::max<qint64>(deadline.remainingTime(), 0))) &&
            program.bytesAvailable() == 0)
            break;
    }
    return taken;
}

// Reads one page's pixels; false when they do not all come in time.
bool TakePixels(QProcess& program, QImage& grey, const QDeadlineTimer& deadline) {
    for (int y = 0; y < grey.height(); ++y)
        if (Take(program, reinterpret_cast<char*>(grey.scanLine(y)), grey.width(), deadline) !=
            grey.width())
            return false;
    return true;
}

// The rendering program, stopped once its pages are read or it is no longer
// waited for: it has nothing more to say.
struct Rendering {
    QProcess program;
    ~Rendering() {
        if (program.state() == QProcess::NotRunning) return;
        program.kill();
        program.waitForFinished();
    }
};

bool PageSizeAllowed(qint32 width, qint32 height) {
    return width >= 1 && height >= 1 && width <= kMaxPageSide && height <= kMaxPageSide &&
           qint64(width) * height <= kMaxPagePixels;
}

} // namespace

bool WritePdfPages(const QString& file, QIODevice& out) {
    const auto problem = [&out](const QString& why) {
        const QByteArray text = why.toUtf8().left(kMaxProblemBytes);
        return WriteHeader(out, kProblemTag, qint32(text.size()), 0) &&
               out.write(text) == text.size();
    };
    QPdfDocument document;
    if (const auto error = document.load(file); error != QPdfDocument::Error::None)
        return problem(LoadProblem(file, error));
    const int pages = document.pageCount();
    if (pages < 1)
        return problem(QStringLiteral("%1 няма нито една страница.").arg(QuotedFile(file)));
    if (auto tooMany = TooManyPages(file, pages)) return problem(*tooMany);
    for (int page = 0; page < pages; ++page) {
        const QSize size = RenderedSize(document.pagePointSize(page));
        if (auto oversized = OversizedPage(file, page + 1, size)) return problem(*oversized);
        const QImage rendered = document.render(page, size);
        if (rendered.isNull())
            return problem(QStringLiteral("Страница %1 на %2 не може да бъде изобразена.")
                               .arg(page + 1)
                               .arg(QuotedFile(file)));
        const QImage grey = GreyPage(rendered);
        if (!WriteHeader(out, kPageTag, grey.width(), grey.height())) return false;
        for (int y = 0; y < grey.height(); ++y)
            if (out.write(reinterpret_cast<const char*>(grey.constScanLine(y)), grey.width()) !=
                grey.width())
                return false;
    }
    return true;
}

std::optional<QString> ForEachPdfPage(const QString& file,
                                      const std::function<void(ScannedPage)>& each,
                                      const PdfRenderer& renderer) {
    const QString program = RendererProgram(renderer);
    Rendering rendering;
    rendering.program.setStandardErrorFile(QProcess::nullDevice());
    rendering.program.start(program, {file}, QIODevice::ReadOnly);
    if (!rendering.program.waitForStarted())
        return QStringLiteral("%1 не може да бъде прочетен: програмата за PDF %2 не може да се "
                              "стартира; инсталирайте vorn-player отново.")
            .arg(QuotedFile(file), Printable(program));
    for (int page = 1;; ++page) {
        QProcess& from = rendering.program;
        const QDeadlineTimer deadline(renderer.stall);
        std::array<char, kHeaderBytes> header{};
        const qint64 taken = Take(from, header.data(), kHeaderBytes, deadline);
        qint32 first = 0, second = 0;
        std::memcpy(&first, header.data() + 1, sizeof first);
        std::memcpy(&second, header.data() + 1 + sizeof first, sizeof second);
        bool whole = false;                                    // the frame came in full
        if (taken == 0 && from.state() != QProcess::Running) { // the end, unless it failed
            from.waitForFinished();
            const bool done = from.exitStatus() == QProcess::NormalExit && from.exitCode() == 0;
            return done && page > 1 ? std::nullopt : std::optional(DamagedPdf(file));
        } else if (taken == kHeaderBytes && header[0] == kProblemTag && first >= 0 &&
                   first <= kMaxProblemBytes) {
            QByteArray text(first, Qt::Uninitialized);
            if (Take(from, text.data(), first, deadline) == first)
                return QString::fromUtf8(text); // the program's own words
        } else if (taken == kHeaderBytes && header[0] == kPageTag &&
                   PageSizeAllowed(first, second)) {
            QImage grey(first, second, QImage::Format_Grayscale8);
            whole = !grey.isNull() && TakePixels(from, grey, deadline);
            if (whole) each(ScannedPage{{file, page}, std::move(grey)});
        }
        if (whole) continue;
        // A page that does not come in time: the library is stuck in the file.
        if (from.state() == QProcess::Running && deadline.hasExpired())
            return QStringLiteral("%1 не може да бъде прочетен като PDF: страница %2 не беше "
                                  "готова и след %3 секунди; файлът е повреден или прекалено "
                                  "сложен.")
                .arg(QuotedFile(file))
                .arg(page)
                .arg(std::chrono::ceil<std::chrono::seconds>(renderer.stall).count());
        return DamagedPdf(file);
    }
}

} // namespace vorn
