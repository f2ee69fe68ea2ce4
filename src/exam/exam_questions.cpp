#include "exam_questions.h"

#include <QStringList>

namespace vorn {

QString UnansweredQuestion(const std::vector<int>& openPositions) {
    const auto n = static_cast<int>(openPositions.size());
    QStringList numbers;
    for (const int position : openPositions)
        numbers.append(QString::number(position));
    const QString count = n == 1 ? QStringLiteral("Има 1 въпрос без отговор.")
                                 : QStringLiteral("Има %1 въпроса без отговор.").arg(n);
    return count + QStringLiteral(" Да се оцени ли тестът?\n\nБез отговор: ") +
           numbers.join(QStringLiteral(", ")) + u'.';
}

QString StopQuestion(int answered, int positions) {
    return QStringLiteral("Тестът не е оценен. Да се прекъсне ли?\n\nОтговорите дотук (%1 от %2) "
                          "ще се запишат като прекъснат опит.")
        .arg(answered)
        .arg(positions);
}

} // namespace vorn
