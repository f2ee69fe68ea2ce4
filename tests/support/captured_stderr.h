#pragma once
// Standard error of this process while the object lives, read back by text().

#include <QString>
#include <QTemporaryFile>
#include <cstdio>
#include <unistd.h>

namespace vorn::test {

class CapturedStandardError {
public:
    CapturedStandardError() {
        file_.open();
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        dup2(file_.handle(), STDERR_FILENO);
    }
    QString text() {
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        file_.seek(0);
        return QString::fromLocal8Bit(file_.readAll());
    }

private:
    QTemporaryFile file_;
    int saved_ = -1;
};

} // namespace vorn::test
