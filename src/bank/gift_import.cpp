#include "gift_import.h"

#include "bank_settings.h"
#include "file_title.h"
#include "gift_question.h"

namespace vorn {

namespace {

// The title of a "// title: ..." comment (trimmed), empty for other comments.
QString TitleOf(const QString& comment) {
    const QString body = comment.mid(2).trimmed();
    const QString tag = QStringLiteral("title:");
    return body.startsWith(tag, Qt::CaseInsensitive) ? body.mid(tag.size()).trimmed() : QString();
}

} // namespace

LoadedBank ImportGift(const QString& text, const QString& fileName) {
    LoadedBank bank;
    QString title;
    bool allMissingWord = true;
    int number = 0;
    std::vector<gift::SourceLine> question;

    const auto finishQuestion = [&] {
        if (question.empty()) return;
        ++number;
        auto read = gift::ReadGiftQuestion(question);
        if (auto* issue = std::get_if<BankIssue>(&read)) {
            issue->question = number;
            bank.issues.push_back(*issue);
        } else {
            auto& ok = std::get<gift::ReadQuestion>(read);
            allMissingWord = allMissingWord && ok.missingWord;
            bank.content.questions.push_back(std::move(ok.question));
            bank.questionLines.push_back(question.front().number);
        }
        question.clear();
    };

    const QString body = text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    const QStringList lines = body.split(u'\n');
    for (qsizetype k = 0; k < lines.size(); ++k) {
        QString line = lines[k];
        if (line.endsWith(u'\r')) line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty()) {
            finishQuestion();
        } else if (trimmed.startsWith(QStringLiteral("//"))) {
            if (title.isEmpty()) title = TitleOf(trimmed);
        } else if (!trimmed.startsWith(QStringLiteral("$CATEGORY:"))) {
            question.push_back({static_cast<int>(k) + 1, line});
        }
    }
    finishQuestion();

    if (title.isEmpty()) title = TitleFromFileName(fileName);
    const bool phrase = !bank.content.questions.empty() && allMissingWord;
    bank.content.settings = MakeSettings(
        title, {.phrase = phrase, .check = false, .explanation = true, .navigation = true});
    return bank;
}

} // namespace vorn
