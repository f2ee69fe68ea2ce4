#pragma once
// A workbook as openpyxl reads it back, through read_workbook.py beside this
// file (VORN_READ_WORKBOOK, run by VORN_PYTHON).

#include "support/file_bytes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vorn::test {

// The workbook's sheets in order, each as read_workbook.py describes it; none
// when openpyxl cannot read the workbook.
inline QJsonArray ReadWorkbook(const QByteArray& workbook) {
    const QTemporaryDir dir;
    const QString file = dir.filePath("r.xlsx");
    WriteFileBytes(file, workbook);
    QProcess python;
    // Isolated: no PYTHON* variable or user site-packages of the host's.
    python.start(VORN_PYTHON, {"-I", VORN_READ_WORKBOOK, file});
    EXPECT_TRUE(python.waitForFinished(30000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

} // namespace vorn::test
