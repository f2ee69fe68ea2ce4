#include "bank_check.h"

#include "bank_limits.h"
#include "bank_pictures.h"

#include <QSet>
#include <map>

namespace vorn {

namespace {

class Checker {
public:
    explicit Checker(const LoadedBank& bank) : bank_(bank) {}

    void add(BankIssue issue) {
        if (issue.question > 0 && issue.line == 0) issue.line = bank_.lineOf(issue.question);
        issues_.push_back(std::move(issue));
    }
    void error(int q, const QString& message) { add({.question = q, .message = message}); }
    void warning(int q, const QString& message) {
        add({.severity = BankIssue::Severity::Warning, .question = q, .message = message});
    }

    void question(int q, const Question& question, bool phrases) {
        if (question.text.trimmed().isEmpty())
            error(q, QStringLiteral("текстът на въпроса е празен."));
        // An answer that was only a picture, or markup, can come out of an
        // import empty: it would show a blank box, and as the key a blank
        // would be the right answer.
        for (int option = 0; option < question.options.size(); ++option)
            if (question.options[option].trimmed().isEmpty())
                error(q,
                      QStringLiteral("отговор %1 (по реда в банката) е празен: ученикът би видял "
                                     "празно поле.")
                          .arg(option + 1));

        const auto matches = question.options.count(question.key);
        if (matches == 0)
            warning(q, QStringLiteral("ключът „%1“ не съвпада с нито един отговор: въпросът никога "
                                      "няма да се зачете за верен.")
                           .arg(question.key));
        if (matches > 1)
            warning(q, QStringLiteral("ключът „%1“ съвпада с %2 отговора.")
                           .arg(question.key, QString::number(matches)));
        QSet<QString> seen;
        for (const QString& option : question.options) {
            if (seen.contains(option) && option != question.key)
                warning(q, QStringLiteral("отговорът „%1“ се повтаря.").arg(option));
            seen.insert(option);
        }
        if (phrases && !question.text.contains(u'_'))
            warning(q, QStringLiteral("тестът е от фрази с празно място, а въпросът няма „_“: "
                                      "допълнената фраза ще е текстът и отговорът след него."));
        if (question.picture) {
            // The header's size is enough: decoding every picture here cost a sixth of
            // the player's start.
            const QSize s = DeclaredSize(question.picture->encoded);
            const int width = static_cast<int>(kPictureAreaWidth) / kTwipsPerPixel;
            const int height = static_cast<int>(kPictureAreaHeight) / kTwipsPerPixel;
            if (s.isValid() && (s.width() > width || s.height() > height))
                add({.severity = BankIssue::Severity::Note,
                     .question = q,
                     .message = QStringLiteral("картинката е %1 × %2 точки, а полето за нея е %3 × "
                                               "%4: ще се покаже цялата, умалена.")
                                    .arg(s.width())
                                    .arg(s.height())
                                    .arg(width)
                                    .arg(height)});
        }
    }

    std::vector<BankIssue> run() {
        for (const BankIssue& issue : BankLimitIssues(bank_.content))
            add(issue);
        const bool phrases = bank_.content.settings.phrasePreview;
        int q = 0;
        for (const Question& question : bank_.content.questions)
            this->question(++q, question, phrases);
        return std::move(issues_);
    }

private:
    const LoadedBank& bank_;
    std::vector<BankIssue> issues_;
};

} // namespace

std::vector<BankIssue> CheckBank(const LoadedBank& bank) {
    if (bank.hasErrors()) return {};
    return Checker(bank).run();
}

std::vector<BankIssue> AllIssues(const LoadedBank& bank) {
    std::vector<BankIssue> all = bank.issues;
    for (BankIssue& issue : CheckBank(bank))
        all.push_back(std::move(issue));
    return all;
}

std::vector<BankIssue> PictureDecodingIssues(const LoadedBank& bank) {
    std::vector<BankIssue> issues;
    std::map<const PictureData*, std::optional<QString>> decoded; // by shared picture
    int q = 0;
    // `where`: how the message names the picture ("картинката", "картинката на отговор 2").
    const auto check = [&](const Picture& picture, const QString& where) {
        if (!picture) return;
        auto [known, first] = decoded.try_emplace(picture.get());
        if (first) {
            auto result = DecodePicture(picture->encoded); // freed at once
            if (const auto* problem = std::get_if<QString>(&result)) known->second = *problem;
        }
        if (known->second)
            issues.push_back(
                {.line = bank.lineOf(q),
                 .question = q,
                 .message =
                     QStringLiteral("%1 не може да се покаже: %2").arg(where, *known->second)});
    };
    for (const Question& question : bank.content.questions) {
        ++q;
        check(question.picture, QStringLiteral("картинката"));
        for (std::size_t o = 0; o < question.optionPictures.size(); ++o)
            check(question.optionPictures[o],
                  QStringLiteral("картинката на отговор %1").arg(o + 1));
    }
    return issues;
}

} // namespace vorn
