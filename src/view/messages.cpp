#include "messages.h"

#include "platform/text.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

namespace vorn {

namespace {

QMessageBox* OpenBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                     const QString& text) {
    auto* box = new QMessageBox(icon, title, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText); // the text may quote a bank or a file name
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("message"));
    box->open();
    return box;
}

} // namespace

bool DisplayIsSeen() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void SayOnStandardError(const QString& text) {
    const QString line = Printable(text.simplified()); // one line, nothing a terminal acts on
    std::fprintf(stderr, "vorn-player: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

void ShowErrorAndWait(const QString& title, const QString& text) {
    SayOnStandardError(text);
    ShowErrorBoxAndWait(title, text);
}

void ShowErrorBoxAndWait(const QString& title, const QString& text) {
    if (!DisplayIsSeen()) return;
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText); // the text may quote a bank or a file name
    box.exec();
}

void ShowErrorThen(QWidget* parent, const QString& title, const QString& text,
                   const std::function<void()>& then) {
    SayOnStandardError(text);
    QMessageBox* box = OpenBox(parent, QMessageBox::Critical, title, text);
    if (!DisplayIsSeen()) {
        then();
        return;
    }
    QObject::connect(box, &QMessageBox::finished, box, [then] { then(); });
}

bool AskYesNo(QWidget* parent, const QString& title, const QString& question) {
    if (!DisplayIsSeen()) {
        SayOnStandardError(question +
                           QStringLiteral(" – отговорено „Не“: никой не вижда въпроса."));
        return false;
    }
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("question"));
    QPushButton* yes = box.addButton(QStringLiteral("&Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Не"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

QMessageBox* ShowNotice(QWidget* parent, const QString& title, const QString& text,
                        const std::function<void()>& then) {
    SayOnStandardError(text);
    QMessageBox* box = OpenBox(parent, QMessageBox::Warning, title, text);
    if (then) QObject::connect(box, &QMessageBox::finished, box, [then] { then(); });
    return box;
}

void ShowWarning(QWidget* parent, const QString& title, const QString& text) {
    SayOnStandardError(text);
    ShowWarningBox(parent, title, text);
}

void ShowWarningBox(QWidget* parent, const QString& title, const QString& text) {
    OpenBox(parent, QMessageBox::Warning, title, text);
}

} // namespace vorn
