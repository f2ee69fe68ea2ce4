// vorn-pdf-pages FILE: the pages of a scanned PDF, rendered for the paper
// tests' program, which starts it for each PDF it scans and reads the pages
// from its output (scan/pdf_pages.h). The PDF library works here, so that a
// file that keeps it busy without end is stopped with this program alone.

#include "scan/pdf_pages.h"

#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("vorn-pdf-pages: стартира се от vorn-player --scan с един PDF файл.\n", stderr);
        return 2;
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)) return 1;
    return vorn::WritePdfPages(QFile::decodeName(argv[1]), out) ? 0 : 1;
}
