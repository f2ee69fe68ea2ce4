#include "moodle_question.h"

#include "bank_limits.h"
#include "html_text.h"
#include "moodle_picture.h"
#include "option_picture.h"
#include "tex_text.h"

#include <QUrl>
#include <algorithm>

namespace vorn::moodle {

namespace {

const QString kWhatFits = QStringLiteral("; приемат се само въпроси с избор (multichoice) с един "
                                         "верен отговор.");
const QString kPluginFile = QStringLiteral("@@PLUGINFILE@@/");

BankIssue Issue(BankIssue::Severity severity, const XmlQuestion& read, const QString& message) {
    return {.severity = severity, .line = read.line, .message = message};
}

MadeQuestion Skipped(const XmlQuestion& read, const QString& message) {
    return {std::nullopt, {Issue(BankIssue::Severity::Warning, read, message)}};
}

// Moodle's own reading of <single>: "false", empty and "0" mean several right answers.
bool IsSingle(const QString& single) {
    const QString value = single.trimmed();
    return !value.isEmpty() && value != u"false" && value != u"0";
}

// An answer's weight in percent; none when it is not a number.
std::optional<double> WeightOf(const QString& fraction) {
    const QString value = fraction.trimmed();
    if (value.isEmpty()) return 0.0;
    bool ok = false;
    const double weight = value.toDouble(&ok);
    return ok ? std::optional(weight) : std::nullopt;
}

// The reason the answers cannot be played, if any.
std::optional<QString> AnswersProblem(const XmlQuestion& read) {
    const auto count = static_cast<int>(read.answers.size());
    if (count > kMaxOptions || count < kMinOptions)
        return QStringLiteral("въпрос с %1 отговора е пропуснат; отговорите са от %2 до %3.")
            .arg(count)
            .arg(kMinOptions)
            .arg(kMaxOptions);
    int right = 0;
    for (const Answer& answer : read.answers) {
        const auto weight = WeightOf(answer.fraction);
        if (weight == 100.0) {
            ++right;
        } else if (!weight || !(*weight <= 0.0)) { // a penalty (below 0) is not a weight
            return QStringLiteral(
                       "въпрос с частична тежест на отговор (fraction=\"%1\") е "
                       "пропуснат; верният отговор е със 100, грешните с 0 или по-малко.")
                .arg(answer.fraction);
        }
    }
    if (right == 0)
        return QStringLiteral("въпрос без верен отговор (fraction=\"100\") е пропуснат.");
    if (right > 1)
        return QStringLiteral("въпрос с %1 верни отговора е пропуснат; верният отговор е точно "
                              "един.")
            .arg(right);
    return std::nullopt;
}

// Penalties for wrong answers are not applied: a wrong answer scores 0.
std::optional<BankIssue> PenaltiesIgnored(const XmlQuestion& read) {
    for (const Answer& answer : read.answers) {
        const auto weight = WeightOf(answer.fraction);
        if (weight && *weight < 0.0)
            return Issue(BankIssue::Severity::Warning, read,
                         QStringLiteral("отрицателните точки за грешен отговор (fraction=\"%1\") "
                                        "не се прилагат: грешният отговор носи 0 точки.")
                             .arg(answer.fraction.trimmed()));
    }
    return std::nullopt;
}

// A text read in its format; a missing format is the question text's.
HtmlText ReadRich(const RichText& rich, const QString& questionFormat) {
    const QString format = rich.format.isEmpty() ? questionFormat : rich.format;
    HtmlText read;
    if (format == u"plain_text" || format == u"markdown")
        read.lines = PlainLines(rich.text);
    else if (format == u"moodle_auto_format") // HTML in which a line break is a line break
        read = ReadHtml(QString(rich.text).replace(u'\n', QStringLiteral("<br>")));
    else
        read = ReadHtml(rich.text);
    // Moodle shows TeX in every format.
    for (QString& line : read.lines)
        line = WithFormulasAsText(line, read.losses);
    return read;
}

QString JoinedLines(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

// The picture the question shows: the first the text names, else an old
// <image>; none, or why it cannot be shown (an error), or why it is left
// out (a warning).
struct ShownPicture {
    Picture picture;
    std::optional<BankIssue> issue;
};

// A picture's name as the author knows it: a file of the export by its name.
QString NameOf(const QString& source) {
    if (!source.startsWith(kPluginFile)) return source;
    return QUrl::fromPercentEncoding(source.mid(kPluginFile.size()).toUtf8());
}

ShownPicture Embedded(const XmlQuestion& read, const RichText& rich, const QString& source);

ShownPicture PictureOf(const XmlQuestion& read, const QStringList& images) {
    if (images.isEmpty()) {
        if (read.imageName.isEmpty() || read.imageBase64.trimmed().isEmpty()) return {};
        const PictureResult picture = PictureFromBase64(read.imageName, read.imageBase64);
        if (const auto* problem = std::get_if<QString>(&picture))
            return {nullptr, Issue(BankIssue::Severity::Error, read, *problem)};
        return {std::get<Picture>(picture), std::nullopt};
    }
    return Embedded(read, read.questionText, images.front());
}

// A picture embedded in `rich` as `source` names it.
ShownPicture Embedded(const XmlQuestion& read, const RichText& rich, const QString& source) {
    if (!source.startsWith(kPluginFile))
        return {nullptr, Issue(BankIssue::Severity::Warning, read,
                               QStringLiteral("картинката „%1“ не е във файла и не се показва; "
                                              "показват се само картинки, записани в него.")
                                   .arg(source))};
    const QString name = NameOf(source);
    const QString path = u'/' + name;
    const auto file = rich.files.find(path);
    if (file == rich.files.end())
        return {nullptr, Issue(BankIssue::Severity::Error, read,
                               QStringLiteral("картинката „%1“ липсва: текстът я показва, а "
                                              "във файла няма <file name=\"%1\">.")
                                   .arg(name))};
    const PictureResult picture = PictureFromBase64(name, file->second);
    if (const auto* problem = std::get_if<QString>(&picture))
        return {nullptr, Issue(BankIssue::Severity::Error, read, *problem)};
    return {std::get<Picture>(picture), std::nullopt};
}

// What the texts of a question leave out, gathered as they are read.
struct TextsRead {
    QString format;             // the question text's, which the others take when they name none
    QStringList leftOut;        // pictures
    QStringList answerPictures; // "„a.png“ в отговор 2": an answer shows text only
    QStringList losses;
    std::optional<QString> unread;

    void note(const HtmlText& html) {
        for (const QString& loss : html.losses)
            if (!losses.contains(loss)) losses.append(loss);
        if (html.unread && !unread) unread = html.unread;
    }

    QStringList lines(const RichText& rich) {
        const HtmlText html = ReadRich(rich, format);
        leftOut += html.images;
        note(html);
        return html.lines;
    }

    // An answer's text, and its picture when the text is only that.
    std::pair<QString, Picture> answer(const XmlQuestion& read, const RichText& rich, int answer,
                                       const QStringList& taken) {
        const HtmlText html = ReadRich(rich, format);
        note(html);
        const QString text = JoinedLines(html.lines);
        if (text.isEmpty() && html.images.size() == 1) {
            ShownPicture shown = Embedded(read, rich, html.images.front());
            if (shown.picture)
                return {OptionPictureName(NameOf(html.images.front()), answer, taken),
                        std::move(shown.picture)};
            // Left empty, the option is refused by the checks every bank
            // takes; this says why.
            pictureProblems.push_back(QStringLiteral("отговор %1: ").arg(answer) +
                                      shown.issue->message);
            return {text, nullptr};
        }
        for (const QString& image : html.images)
            answerPictures.append(
                QStringLiteral("„%1“ в отговор %2").arg(NameOf(image), QString::number(answer)));
        return {text, nullptr};
    }

    QStringList pictureProblems; // of answers that are only a picture
};

} // namespace

MadeQuestion MakeQuestion(const XmlQuestion& read) {
    if (read.type != u"multichoice")
        return Skipped(read, QStringLiteral("въпрос от вида „%1“ е пропуснат").arg(read.type) +
                                 kWhatFits);
    if (!IsSingle(read.single))
        return Skipped(read, QStringLiteral("въпрос с няколко верни отговора (<single>%1</single>) "
                                            "е пропуснат")
                                     .arg(read.single.trimmed()) +
                                 kWhatFits);
    if (const auto problem = AnswersProblem(read)) return Skipped(read, *problem);

    const QString format =
        read.questionText.format.isEmpty() ? QStringLiteral("html") : read.questionText.format;
    const HtmlText text = ReadRich(read.questionText, format);
    TextsRead texts;
    texts.format = format;
    texts.leftOut = text.images.mid(1); // a question shows one picture
    texts.note(text);
    Question question;
    question.text = JoinedLines(text.lines);
    question.explanation = texts.lines(read.generalFeedback);
    std::vector<Picture> pictures;
    for (const Answer& answer : read.answers) {
        auto [option, picture] = texts.answer(
            read, answer.text, static_cast<int>(question.options.size()) + 1, question.options);
        question.options.append(option);
        pictures.push_back(std::move(picture));
        if (WeightOf(answer.fraction) == 100.0) question.key = option;
        const QStringList feedback = texts.lines(answer.feedback);
        if (feedback.isEmpty()) continue;
        question.explanation.append(
            QString(option).replace(QStringLiteral("\r\n"), QStringLiteral(" ")) +
            QStringLiteral(" – ") + feedback.front());
        question.explanation.append(feedback.mid(1));
    }
    if (texts.unread)
        return Skipped(read, QStringLiteral("въпросът е пропуснат: %1").arg(*texts.unread));
    ShownPicture shown = PictureOf(read, text.images);
    if (shown.issue && shown.issue->isError()) return {std::nullopt, {*shown.issue}};
    question.picture = std::move(shown.picture);
    SetOptionPictures(question, std::move(pictures));
    MadeQuestion made{std::move(question), {}};
    if (shown.issue) made.issues.push_back(*shown.issue);
    if (const auto penalties = PenaltiesIgnored(read)) made.issues.push_back(*penalties);
    for (const QString& image : texts.leftOut)
        made.issues.push_back(Issue(BankIssue::Severity::Warning, read,
                                    QStringLiteral("картинката „%1“ е пропусната: въпросът "
                                                   "показва една картинка, първата в текста си.")
                                        .arg(NameOf(image))));
    for (const QString& where : texts.answerPictures)
        made.issues.push_back(Issue(BankIssue::Severity::Warning, read,
                                    QStringLiteral("картинката %1 е пропусната: отговорите се "
                                                   "показват само като текст.")
                                        .arg(where)));
    for (const QString& problem : texts.pictureProblems)
        made.issues.push_back(Issue(BankIssue::Severity::Warning, read, problem));
    for (const QString& loss : texts.losses)
        made.issues.push_back(Issue(BankIssue::Severity::Warning, read, loss));
    return made;
}

} // namespace vorn::moodle
