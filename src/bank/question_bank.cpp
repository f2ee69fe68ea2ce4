#include "question_bank.h"

#include "option_orders.h"

namespace vorn {

QStringList Permutations(int k) {
    QStringList result;
    for (const OptionOrder& order : AllOptionOrders(k)) {
        QString digits;
        for (const int d : order)
            digits.append(QChar(u'0' + d));
        result.append(digits);
    }
    return result;
}

QuestionBank::QuestionBank() {
    List2.Name = QStringLiteral("List2");
    for (int k = kMinOptions; k <= kMaxOptions; ++k)
        for (const QString& order : Permutations(k))
            Poredica(k).AddItem(order);
    FillPlaceholders();
}

void QuestionBank::FillPlaceholders() {
    for (int q = 0; q <= kQuestionSlots; ++q)
        List1(q).Clear();
    for (int q = 1; q <= kQuestionSlots; ++q)
        List1(q).AddItem(QStringLiteral("List1(%1) - въпрос от теста").arg(q));
    Obqsnenie(0).Clear();
    Obqsnenie(0).AddItem(QStringLiteral("Остави ме на мира Обяснение - няма"));
    for (int q = 1; q <= kPictureSlots; ++q) {
        Obqsnenie(q).Clear();
        Obqsnenie(q).AddItem(QStringLiteral("Обяснение %1").arg(q));
    }
    for (int q = 0; q <= kPictureSlots; ++q)
        Picture1(q).Picture.reset();
}

void QuestionBank::Load(const BankContent& content) {
    content_ = content;
    FillPlaceholders();
    List2.Clear();
    for (const QString& item : content.settings)
        List2.AddItem(item);
    Text1(0).Text = content.authorNote;

    int q = 0;
    for (const Question& question : content.questions) {
        ++q;
        List1(0).AddItem(question.key);
        // Questions beyond the slots are still keyed and kept whole in
        // content(): a pool draws from all of them, and a bank too large
        // without a draw is refused by the limits check before a run starts.
        if (!List1.contains(q)) continue;
        List1(q).Clear();
        List1(q).AddItem(question.text);
        for (const QString& option : question.options)
            List1(q).AddItem(option);
        if (!Obqsnenie.contains(q)) continue;
        Obqsnenie(q).Clear();
        for (const QString& line : question.explanation)
            Obqsnenie(q).AddItem(line);
        Picture1(q).Picture = question.picture;
    }
}

} // namespace vorn
