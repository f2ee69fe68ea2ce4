#include "gift_import.h"

#include "bank_title.h"

#include "gift_question.h"
#include "html_cost.h"

#include <set>

namespace vorn {

namespace {

// The title of a "// title: ..." comment (trimmed), empty for other comments.
QString TitleOf(const QString& comment) {
    const QString body = comment.mid(2).trimmed();
    const QString tag = QStringLiteral("title:");
    return body.startsWith(tag, Qt::CaseInsensitive) ? body.mid(tag.size()).trimmed() : QString();
}

// The question, or why it is not played: a skip or a refusal of its own, or
// the bank's texts having spent the tags they may hold together.
std::variant<gift::ReadQuestion, BankIssue> ReadWithin(HtmlBudget& budget,
                                                       const std::vector<gift::SourceLine>& lines,
                                                       const PictureReader& pictures) {
    QStringList texts;
    for (const gift::SourceLine& line : lines)
        texts.append(line.text);
    if (!budget.take(texts))
        return BankIssue{BankIssue::Severity::Warning, lines.front().number, 0, 0,
                         HtmlBudget::skipped()};
    return gift::ReadGiftQuestion(lines, pictures);
}

} // namespace

LoadedBank ImportGift(const QString& text, const QString& fileName, const PictureReader& pictures) {
    LoadedBank bank;
    QString title;
    bool allMissingWord = true;
    int number = 0;
    std::vector<gift::SourceLine> question;
    std::set<QString> names;
    HtmlBudget budget; // of tags, for all the questions' texts
    const auto finishQuestion = [&] {
        if (question.empty()) return;
        ++number;
        auto read = ReadWithin(budget, question, pictures);
        if (auto* issue = std::get_if<BankIssue>(&read)) {
            issue->question = number;
            bank.issues.push_back(*issue);
        } else {
            auto& ok = std::get<gift::ReadQuestion>(read);
            for (BankIssue& warning : ok.warnings) {
                warning.question = number;
                bank.issues.push_back(std::move(warning));
            }
            allMissingWord = allMissingWord && ok.missingWord;
            // A name is the question's id in results; two alike would join
            // two questions into one.
            if (!ok.question.id.isEmpty() && !names.insert(ok.question.id).second) {
                bank.issues.push_back({BankIssue::Severity::Warning, question.front().number, 0,
                                       number,
                                       QStringLiteral("името „%1“ вече е на друг въпрос; в "
                                                      "резултатите този се води с номера си.")
                                           .arg(ok.question.id)});
                ok.question.id.clear();
            }
            bank.content.questions.push_back(std::move(ok.question));
            bank.questionLines.push_back(question.front().number);
        }
        question.clear();
    };

    QString body = text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    // Lines end in \n, \r\n or, from old Mac editors, \r alone.
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QStringList lines = body.split(u'\n');
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const QString& line = lines[k];
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
    bank.content.settings.title = title;
    bank.content.settings.phrasePreview = !bank.content.questions.empty() && allMissingWord;
    return bank;
}

} // namespace vorn
