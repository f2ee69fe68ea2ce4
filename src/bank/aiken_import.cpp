#include "aiken_import.h"

#include "bank_limits.h"
#include "bank_title.h"

#include <utility>

namespace vorn {

namespace {

const QString kAnswer = QStringLiteral("ANSWER:");

QStringList LinesOf(const QString& text) {
    QString body = text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return body.split(u'\n');
}

// "A) text" or "B. text", trimmed; Moodle asks for nothing more.
bool IsOption(const QString& line) {
    return line.size() >= 2 && line[0] >= u'A' && line[0] <= u'Z' &&
           (line[1] == u')' || line[1] == u'.');
}

struct Open {
    int number = 0; // in the file
    int line = 0;
    Question question;
};

class AikenReader {
public:
    void line(int at, const QString& text) {
        if (IsOption(text)) {
            if (!inQuestion_) return notStarted(at, text);
            open_.question.options.append(text.mid(2).trimmed());
        } else if (text.startsWith(kAnswer)) {
            if (!inQuestion_) return notStarted(at, text);
            answer(at, text.mid(kAnswer.size()).trimmed());
        } else {
            finishUnanswered();
            open_ = Open{++number_, at, Question{}};
            open_.question.text = text;
            inQuestion_ = true;
        }
    }

    LoadedBank finish(const QString& fileName) {
        finishUnanswered();
        bank_.content.settings.title = TitleFromFileName(fileName);
        return std::move(bank_);
    }

private:
    void issue(BankIssue::Severity severity, int line, int question, const QString& message) {
        bank_.issues.push_back({severity, line, 0, question, message});
    }

    void notStarted(int at, const QString& text) {
        issue(BankIssue::Severity::Error, at, 0,
              QStringLiteral("„%1“ е преди първия въпрос; въпросът е един ред текст, после "
                             "отговорите „A)“ и редът „ANSWER:“.")
                  .arg(text));
    }

    void finishUnanswered() {
        if (!inQuestion_) return;
        inQuestion_ = false;
        issue(BankIssue::Severity::Error, open_.line, open_.number,
              QStringLiteral("въпросът няма ред „ANSWER: буква“ след отговорите си."));
    }

    void answer(int at, const QString& letters) {
        inQuestion_ = false;
        Open done = std::exchange(open_, Open{});
        const auto count = done.question.options.size();
        if (count < kMinOptions)
            return issue(BankIssue::Severity::Error, at, done.number,
                         QStringLiteral("въпросът има %1 отговора; нужни са поне %2.")
                             .arg(count)
                             .arg(kMinOptions));
        const QChar letter = letters.isEmpty() ? QChar() : letters[0];
        const int index = letter.unicode() - u'A';
        if (index < 0 || index >= count)
            return issue(BankIssue::Severity::Error, at, done.number,
                         QStringLiteral("„ANSWER: %1“ не назовава нито един от отговорите (A до "
                                        "%2).")
                             .arg(letters, QChar(static_cast<char16_t>(u'A' + count - 1))));
        if (count > kMaxOptions)
            return issue(BankIssue::Severity::Warning, done.line, done.number,
                         QStringLiteral("въпрос с %1 отговора – пропуснат; отговорите са "
                                        "най-много %2.")
                             .arg(count)
                             .arg(kMaxOptions));
        done.question.key = done.question.options[index];
        bank_.content.questions.push_back(std::move(done.question));
        bank_.questionLines.push_back(done.line);
    }

    LoadedBank bank_;
    bool inQuestion_ = false;
    Open open_;
    int number_ = 0;
};

} // namespace

LoadedBank ImportAiken(const QString& text, const QString& fileName) {
    AikenReader reader;
    const QStringList lines = LinesOf(text);
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const QString line = lines[k].trimmed();
        if (line.size() >= 2) reader.line(static_cast<int>(k) + 1, line);
    }
    return reader.finish(fileName);
}

bool LooksLikeAiken(const QString& text) {
    bool option = false;
    bool answer = false;
    for (const QString& line : LinesOf(text)) {
        const QString trimmed = line.trimmed();
        option = option || IsOption(trimmed);
        answer = answer || trimmed.startsWith(kAnswer);
        if (option && answer) return true;
    }
    return false;
}

} // namespace vorn
