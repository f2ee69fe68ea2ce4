#pragma once
// Text typed into a widget key by key, as a keyboard would (QTest::keyClicks
// cannot type Cyrillic).

#include <QString>
#include <QTest>
#include <QWidget>

namespace vorn::test {

inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), {});
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), {});
    }
}

} // namespace vorn::test
