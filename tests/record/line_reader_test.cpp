// Lines read for the report. The faults caught: a line's storage without the
// room after its end that the fast JSON reader reads, which only a sanitized
// build would see; a line read wrong where its storage is used again
// (shorter, longer, across the reader's chunks); and a long line's storage
// kept for the short lines after it, which let a file of long lines spread
// over a batch's slots hold hundreds of megabytes.

#include "record/line_reader.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace vorn;

TEST(LineReader, EveryLineComesWholeWithRoomAfterIt) {
    constexpr qsizetype kRoom = 64;
    const QList<QByteArray> lines = {QByteArray(2000, 'a'),      QByteArray(10, 'b'),
                                     QByteArray(70 * 1024, 'c'), QByteArray(2001, 'd'),
                                     QByteArray(20 * 1024, 'e'), QByteArray(),
                                     QByteArray(3, 'f')};
    QByteArray file = lines.join('\n') + '\n';
    QBuffer device(&file);
    ASSERT_TRUE(device.open(QIODevice::ReadOnly));
    LineReader reader(device, 1024 * 1024, kRoom);
    ReadLine line;
    for (const QByteArray& expected : lines) {
        SCOPED_TRACE(expected.size());
        ASSERT_TRUE(reader.next(line));
        ASSERT_TRUE(line.text);
        EXPECT_EQ(*line.text, expected);
        EXPECT_GE(line.text->capacity() - line.text->size(), kRoom);
        if (expected.size() < 4096) {
            EXPECT_LT(line.text->capacity(), 16 * 1024);
        }
    }
    EXPECT_FALSE(reader.next(line));
}
