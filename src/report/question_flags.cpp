#include "question_flags.h"

namespace vorn {

std::vector<QuestionFlag> FlagsOf(const QuestionFigures& question, bool optionsKnown) {
    std::vector<QuestionFlag> flags;
    const ItemStatistics& item = question.statistics;
    if (item.students == 0) return flags;
    // Over a small sample a negative discrimination says nothing about the key.
    if (item.discrimination && *item.discrimination < 0 && !SmallSample(item.students))
        flags.push_back({FlagKind::NegativeDiscrimination, {}});
    if (item.facility == 100.0) flags.push_back({FlagKind::EveryoneRight, {}});
    if (item.facility == 0.0) flags.push_back({FlagKind::NobodyRight, {}});
    int keyChosen = 0;
    for (const OptionFigures& option : question.options)
        if (option.key) keyChosen = option.statistics.chosen;
    for (const OptionFigures& option : question.options) {
        if (option.key) continue;
        if (option.statistics.chosen > keyChosen)
            flags.push_back({FlagKind::WrongAboveKey, option.text});
        if (optionsKnown && option.statistics.chosen == 0)
            flags.push_back({FlagKind::NobodyChose, option.text});
    }
    return flags;
}

QString FlagText(const QuestionFlag& flag) {
    switch (flag.kind) {
    case FlagKind::NegativeDiscrimination:
        return QStringLiteral("отрицателна дискриминация: по-слабите са отговаряли вярно по-често "
                              "от по-силните; проверете ключа");
    case FlagKind::WrongAboveKey:
        return QStringLiteral("грешният отговор „%1“ е избиран по-често от верния")
            .arg(flag.option);
    case FlagKind::NobodyChose:
        return QStringLiteral("грешният отговор „%1“ не е избран от никого").arg(flag.option);
    case FlagKind::EveryoneRight:
        return QStringLiteral("всички са отговорили вярно");
    case FlagKind::NobodyRight:
        return QStringLiteral("никой не е отговорил вярно");
    }
    return {};
}

} // namespace vorn
