#include "test_banks.h"

#include "shipped/shipped_bank.h"

#include <QJsonDocument>

namespace vorn::test {

BankContent MakeBank(const BankOptions& options) {
    BankContent bank;
    bank.settings = {.title = ShippedSettings().title,
                     .phrasePreview = options.phrasePreview,
                     .check = options.check,
                     .explanations = options.explanations,
                     .reviewNavigation = options.reviewNavigation};
    bank.authorNote = AuthorNote();
    for (int q = 1; q <= options.questions; ++q) {
        Question question;
        question.text = QStringLiteral("Въпрос %1").arg(q);
        const int k = q <= static_cast<int>(options.optionCounts.size())
                          ? options.optionCounts[static_cast<std::size_t>(q - 1)]
                          : 4;
        for (int j = 1; j <= k; ++j)
            question.options.append(QStringLiteral("%1-%2").arg(q).arg(j));
        question.key = QStringLiteral("%1-1").arg(q);
        question.explanation = {QStringLiteral("Обяснение на %1, ред 1").arg(q),
                                QStringLiteral("Обяснение на %1, ред 2").arg(q)};
        question.picture = MakePicture(QStringLiteral("picture %1").arg(q).toUtf8());
        bank.questions.push_back(question);
    }
    return bank;
}

std::unique_ptr<Run> StartRun(const BankContent& content, const std::vector<float>& values) {
    auto run = std::make_unique<Run>();
    run->bank = content;
    run->random = Scripted(values);
    run->form = std::make_unique<MainForm>(run->bank, run->random);
    run->form->start();
    return run;
}

std::unique_ptr<Run> StartRun(const BankContent& content, std::initializer_list<float> values) {
    return StartRun(content, std::vector<float>(values));
}

std::vector<float> StepThenIdentity(float step, int n) {
    std::vector<float> values{step};
    values.insert(values.end(), static_cast<std::size_t>(n), 0.0f);
    return values;
}

ScriptedRandom Scripted(const std::vector<float>& values) {
    ScriptedRandom random;
    for (const float v : values)
        random.push(v);
    return random;
}

Attempt StartAttempt(const BankContent& content, const std::vector<float>& values) {
    ScriptedRandom random = Scripted(values);
    return Attempt::Start(content, random);
}

QString RunState(const MainForm& form) {
    return QString::fromUtf8(QJsonDocument(form.attempt().toJson()).toJson(QJsonDocument::Compact));
}

int KeySlot(const MainForm& form) {
    const QString key = form.attempt().question(form.attempt().currentQuestion()).key;
    int slot = -1;
    for (int s = 0; s < 5; ++s) {
        const TextBox& box = form.controls().options.texts(s);
        if (box.Visible && box.Text == key) slot = s;
    }
    return slot;
}

void AnswerRight(MainForm& form) {
    form.choose(KeySlot(form));
}

void AnswerWrong(MainForm& form) {
    form.choose(KeySlot(form) == 0 ? 1 : 0);
}

} // namespace vorn::test
