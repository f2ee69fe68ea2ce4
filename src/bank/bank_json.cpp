#include "bank_json.h"
#include "platform/json_number.h"

#include "option_picture.h"
#include "settings_items.h"
#include "tex_text.h"
#include "text_place.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <cctype>
#include <map>
#include <tuple>

namespace vorn {

namespace {

const QString kFormatName = QStringLiteral("vorn-bank");

QString ParseErrorText(QJsonParseError::ParseError error) {
    switch (error) {
    case QJsonParseError::UnterminatedObject:
        return QStringLiteral("след полето се очаква „,“ или „}“");
    case QJsonParseError::MissingNameSeparator:
        return QStringLiteral("липсва „:“ след името на полето");
    case QJsonParseError::UnterminatedArray:
        return QStringLiteral("след стойността в списъка се очаква „,“ или „]“");
    case QJsonParseError::MissingValueSeparator:
        return QStringLiteral("липсва „,“ между стойностите");
    case QJsonParseError::IllegalValue:
        return QStringLiteral("недопустима стойност");
    case QJsonParseError::TerminationByNumber:
        return QStringLiteral("текстът свършва насред число");
    case QJsonParseError::IllegalNumber:
        return QStringLiteral("недопустимо число");
    case QJsonParseError::IllegalEscapeSequence:
        return QStringLiteral("недопустима последователност с „\\“");
    case QJsonParseError::IllegalUTF8String:
        return QStringLiteral("текстът не е в UTF-8: запишете файла като UTF-8");
    case QJsonParseError::UnterminatedString:
        return QStringLiteral("незатворен низ: липсват кавички");
    case QJsonParseError::MissingObject:
        return QStringLiteral("очаква се обект „{ ... }“");
    case QJsonParseError::DeepNesting:
        return QStringLiteral("твърде дълбоко влагане");
    case QJsonParseError::DocumentTooLarge:
        return QStringLiteral("файлът е твърде голям");
    case QJsonParseError::GarbageAtEnd:
        return QStringLiteral("излишен текст след края на банката");
    case QJsonParseError::NoError:
        break;
    }
    return QStringLiteral("неправилен текст");
}

class BankJsonReader {
public:
    BankJsonReader(LoadedBank& bank, const PictureReader& pictures, const QByteArray& json)
        : bank_(bank), pictures_(pictures), json_(json) {}

    int version = 1;
    bool formulasAsText = false; // TeX in the texts shown as text (tex_text.h)

    void error(int question, const QString& message) {
        bank_.issues.push_back({.question = question, .message = message});
    }
    void warning(int question, const QString& message) {
        bank_.issues.push_back(
            {.severity = BankIssue::Severity::Warning, .question = question, .message = message});
    }

    // Unknown fields are warned about: most are misspelt names of known ones.
    // Unknown fields are warned about at their place (the parsed document keeps
    // none: the name's next appearance as a field in the text).
    void knownFields(const QJsonObject& object, const QStringList& known, int question) {
        for (const QString& key : object.keys()) {
            if (known.contains(key)) continue;
            BankIssue issue{.severity = BankIssue::Severity::Warning,
                            .question = question,
                            .message =
                                QStringLiteral("непознато поле „%1“ е пропуснато.").arg(key)};
            const QByteArray name = ('"' + key + '"').toUtf8();
            qsizetype& from = searchedUpTo_[key];
            for (qsizetype at = json_.indexOf(name, from); at >= 0;
                 at = json_.indexOf(name, at + 1)) {
                qsizetype after = at + name.size();
                while (after < json_.size() &&
                       std::isspace(static_cast<unsigned char>(json_[after])))
                    ++after;
                if (after < json_.size() && json_[after] == ':') {
                    std::tie(issue.line, issue.column) = PlaceOf(json_, at);
                    from = after;
                    break;
                }
            }
            bank_.issues.push_back(issue);
        }
    }

    std::optional<QString> text(const QJsonObject& object, const QString& field, int question,
                                bool required) {
        const QJsonValue value = object.value(field);
        if (value.isUndefined() && !required) return QString();
        if (!value.isString()) {
            error(question,
                  value.isUndefined()
                      ? QStringLiteral("липсва полето „%1“.").arg(field)
                      : QStringLiteral("полето „%1“ трябва да е текст в кавички.").arg(field));
            return std::nullopt;
        }
        return value.toString();
    }

    // A switch of version 2: true or false, `otherwise` where it is not given.
    std::optional<bool> flag(const QJsonObject& object, const QString& field, bool otherwise) {
        const QJsonValue value = object.value(field);
        if (value.isUndefined()) return otherwise;
        if (!value.isBool()) {
            error(
                0,
                QStringLiteral("полето „%1“ трябва да е true или false (без кавички).").arg(field));
            return std::nullopt;
        }
        return value.toBool();
    }

    // A whole number from 1 into `out`, which stays empty when the field is
    // absent; false when it is something else.
    bool count(const QJsonObject& object, const QString& field, std::optional<int>& out) {
        const QJsonValue value = object.value(field);
        if (value.isUndefined()) return true;
        const auto number = WholeNumber(value, 1, 1000000);
        if (!number) {
            error(0, QStringLiteral("полето „%1“ трябва да е цяло число от 1 нагоре (без кавички).")
                         .arg(field));
            return false;
        }
        out = static_cast<int>(*number);
        return true;
    }

    std::optional<QStringList> texts(const QJsonObject& object, const QString& field, int question,
                                     bool required) {
        const QJsonValue value = object.value(field);
        if (value.isUndefined() && !required) return QStringList();
        const auto wrong = [&] {
            error(question,
                  value.isUndefined()
                      ? QStringLiteral("липсва полето „%1“.").arg(field)
                      : QStringLiteral("полето „%1“ трябва да е списък от текстове [\"...\", ...].")
                            .arg(field));
            return std::nullopt;
        };
        if (!value.isArray()) return wrong();
        QStringList result;
        for (const QJsonValue item : value.toArray()) {
            if (!item.isString()) return wrong();
            result.append(item.toString());
        }
        return result;
    }

    void question(const QJsonValue& value, int q) {
        if (!value.isObject()) {
            error(q, QStringLiteral("всеки въпрос трябва да е обект { ... }."));
            return;
        }
        const QJsonObject object = value.toObject();
        QStringList known{"text", "options", "key", "explanation", "picture"};
        if (version >= 2) known.append(QStringLiteral("id"));
        knownFields(object, known, q);
        Question question;
        if (version >= 2) {
            const auto id = this->text(object, QStringLiteral("id"), q, false);
            if (!id) return;
            if (!id->isEmpty() && ids_.contains(*id)) {
                error(q,
                      QStringLiteral("номерът „%1“ вече е на друг въпрос: всеки „id“ трябва да е "
                                     "различен.")
                          .arg(*id));
                return;
            }
            ids_.insert(*id);
            question.id = *id;
        }
        const auto text = this->text(object, QStringLiteral("text"), q, true);
        const bool options = this->options(object, q, question);
        const auto key = this->text(object, QStringLiteral("key"), q, true);
        const auto explanation = texts(object, QStringLiteral("explanation"), q, false);
        const auto picture = this->text(object, QStringLiteral("picture"), q, false);
        if (!text || !options || !key || !explanation || !picture) return;
        question.text = *text;
        question.key = *key;
        question.explanation = *explanation;
        if (formulasAsText) showFormulas(question, q);
        if (!picture->isEmpty()) {
            PictureResult read = pictures_(*picture);
            if (const auto* problem = std::get_if<QString>(&read)) {
                error(q, *problem);
                return;
            }
            question.picture = std::get<Picture>(read);
        }
        bank_.content.questions.push_back(std::move(question));
        bank_.questionLines.push_back(0);
    }

private:
    // The options: each a text, or a picture {"picture": "file"}, named by the
    // file's name or by its "name". Pictures are kept only where there is one.
    bool options(const QJsonObject& object, int q, Question& question) {
        const QJsonValue value = object.value(QStringLiteral("options"));
        if (!value.isArray()) return texts(object, QStringLiteral("options"), q, true).has_value();
        std::vector<Picture> pictures;
        for (const QJsonValue item : value.toArray()) {
            const int number = static_cast<int>(question.options.size()) + 1;
            if (item.isString()) {
                question.options.append(item.toString());
                pictures.emplace_back();
                continue;
            }
            if (!item.isObject()) {
                error(q, QStringLiteral("полето „options“ трябва да е списък от текстове "
                                        "\"...\" и картинки {\"picture\": \"...\"}."));
                return false;
            }
            const auto named = pictureOption(item.toObject(), q, number);
            if (!named) return false;
            question.options.append(named->first);
            pictures.push_back(named->second);
        }
        SetOptionPictures(question, std::move(pictures));
        return true;
    }

    // A picture option's name and picture, or none with the error told.
    std::optional<std::pair<QString, Picture>> pictureOption(const QJsonObject& object, int q,
                                                             int number) {
        knownFields(object, {"picture", "name"}, q);
        const auto source = text(object, QStringLiteral("picture"), q, true);
        const auto name = text(object, QStringLiteral("name"), q, false);
        if (!source || !name) return std::nullopt;
        const QString where = QStringLiteral("отговор %1: ").arg(number);
        if (source->trimmed().isEmpty()) {
            error(q, where + QStringLiteral("полето „picture“ е празно."));
            return std::nullopt;
        }
        PictureResult read = pictures_(*source);
        if (const auto* problem = std::get_if<QString>(&read)) {
            BankIssue issue{.question = q, .message = where + *problem};
            std::tie(issue.line, issue.column) = placeOf(*source);
            bank_.issues.push_back(issue);
            return std::nullopt;
        }
        return std::pair(name->isEmpty() ? OptionPictureName(*source, number) : *name,
                         std::get<Picture>(read));
    }

    // Where the text `value` stands next in the file, as "value"; (0, 0) if
    // it is written with escapes.
    std::pair<int, int> placeOf(const QString& value) {
        const QString text = u'"' + value + u'"';
        const QByteArray quoted = text.toUtf8();
        qsizetype& from = searchedUpTo_[text];
        const qsizetype at = json_.indexOf(quoted, from);
        if (at < 0) return {0, 0};
        from = at + 1;
        return PlaceOf(json_, at);
    }

    // The key goes the same way as its option, so that the two still match.
    void showFormulas(Question& question, int q) {
        QStringList kept;
        question.text = WithFormulasAsText(question.text, kept);
        for (QString& option : question.options)
            option = WithFormulasAsText(option, kept);
        question.key = WithFormulasAsText(question.key, kept);
        for (QString& line : question.explanation)
            line = WithFormulasAsText(line, kept);
        kept.removeDuplicates();
        for (const QString& message : kept)
            warning(q, message);
    }

    LoadedBank& bank_;
    const PictureReader& pictures_;
    const QByteArray& json_;
    std::map<QString, qsizetype>
        searchedUpTo_; // per unknown name or text, where its next use is looked for
    QSet<QString> ids_;
};

// The settings of version 1: the six items the window read.
void ReadSettingsItems(BankJsonReader& read, const QJsonObject& root, BankContent& content) {
    const auto items = read.texts(root, QStringLiteral("settings"), 0, true);
    if (!items) return;
    const std::variant<BankSettings, QString> settings = SettingsFromItems(*items);
    if (const auto* wrong = std::get_if<QString>(&settings))
        read.error(0, *wrong);
    else
        content.settings = std::get<BankSettings>(settings);
}

// The settings of version 2, by meaning; a switch left out keeps a new bank's
// default.
void ReadNamedSettings(BankJsonReader& read, const QJsonObject& root, BankContent& content) {
    const BankSettings defaults;
    const auto title = read.text(root, QStringLiteral("title"), 0, true);
    const auto phrase = read.flag(root, QStringLiteral("phraseMode"), defaults.phrasePreview);
    const auto check =
        read.flag(root, QStringLiteral("checkQuestion"), defaults.addsCheckQuestion());
    const auto verdict = read.flag(root, QStringLiteral("checkVerdict"), check.value_or(false));
    const auto explanations =
        read.flag(root, QStringLiteral("explanations"), defaults.explanations);
    const auto navigation =
        read.flag(root, QStringLiteral("reviewNavigation"), defaults.reviewNavigation);
    const auto publisher = read.text(root, QStringLiteral("publisher"), 0, false);
    std::optional<int> draw;
    const bool drawRead = read.count(root, QStringLiteral("draw"), draw);
    if (!title || !phrase || !check || !verdict || !explanations || !navigation || !publisher ||
        !drawRead)
        return;
    if (*check && !*verdict)
        read.error(0, QStringLiteral("„checkVerdict“ не може да е false при „checkQuestion“ true: "
                                     "проверката винаги показва присъдата си."));
    content.settings = {.title = *title,
                        .phrasePreview = *phrase,
                        .check = *check     ? CheckMode::WithQuestion
                                 : *verdict ? CheckMode::VerdictOnly
                                            : CheckMode::Off,
                        .explanations = *explanations,
                        .reviewNavigation = *navigation};
    content.publisher = *publisher;
    content.draw = draw;
}

// The two mistakes a hand-written bank makes most, told as what to do: a comma
// after the last item, and a quote inside a text, which ends the text early.
// The parser names the place after the first byte it could not take.
std::optional<BankIssue> SyntaxHint(const QByteArray& json, const QJsonParseError& parsed) {
    const qsizetype at = std::clamp<qsizetype>(parsed.offset - 1, 0, json.size() - 1);
    const auto bad = static_cast<unsigned char>(json[at]);
    qsizetype before = at - 1;
    while (before >= 0 && std::isspace(static_cast<unsigned char>(json[before])))
        --before;
    if (before < 0) return std::nullopt;
    const auto issue = [&json](qsizetype offset, const QString& message) {
        const auto [line, column] = PlaceOf(json, offset);
        return BankIssue{.line = line, .column = column, .message = message};
    };
    if ((bad == ']' || bad == '}') && json[before] == ',')
        return issue(before, QStringLiteral("излишна запетая след последния елемент: махнете я."));
    const bool afterText = parsed.error == QJsonParseError::UnterminatedObject ||
                           parsed.error == QJsonParseError::UnterminatedArray ||
                           parsed.error == QJsonParseError::MissingValueSeparator;
    if (afterText && json[before] == '"' && (bad >= 0x80 || std::isalnum(bad)))
        return issue(before, QStringLiteral("кавичка в текст го прекъсва: пишете \\\" или "
                                            "използвайте кавичките „ “."));
    return std::nullopt;
}

// The offset of the first raw control character inside a JSON string.
std::optional<qsizetype> RawControlInText(const QByteArray& json) {
    bool inText = false, escaped = false;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const auto c = static_cast<unsigned char>(json[i]);
        if (!inText) {
            inText = c == '"';
        } else if (escaped) {
            escaped = false;
        } else if (c == '\\') {
            escaped = true;
        } else if (c == '"') {
            inText = false;
        } else if (c < 0x20) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace

namespace {

// What the parser would accept or misname: a file saved as UTF-16, and a raw
// control character (a tab, a line break) inside a text, which JSON allows
// only written as an escape.
std::optional<BankIssue> EncodingProblem(const QByteArray& json) {
    if (const std::optional<QString> encoding = Utf16Name(json))
        return BankIssue{.line = 1,
                         .column = 1,
                         .message = QStringLiteral("текстът не е в UTF-8, а в %1; "
                                                   "запишете файла като UTF-8.")
                                        .arg(*encoding)};
    if (const std::optional<qsizetype> raw = RawControlInText(json)) {
        const auto [line, column] = PlaceOf(json, *raw);
        return BankIssue{.line = line,
                         .column = column,
                         .message = QStringLiteral("управляващ знак в текст: нов ред се пише \\n, "
                                                   "а табулация \\t.")};
    }
    return std::nullopt;
}

// Where the parser stopped, said as an author would look for it.
BankIssue SyntaxProblem(const QByteArray& json, const QJsonParseError& parsed) {
    if (!json.isEmpty())
        if (const std::optional<BankIssue> hint = SyntaxHint(json, parsed)) return *hint;
    // The parser reports the place after the token it could not take; the
    // author wants the token itself. At the end of the text every error means
    // the same: something was left open.
    const bool atEnd = parsed.offset >= json.size();
    const bool tokenTaken = parsed.error == QJsonParseError::UnterminatedObject ||
                            parsed.error == QJsonParseError::UnterminatedArray ||
                            parsed.error == QJsonParseError::MissingNameSeparator ||
                            parsed.error == QJsonParseError::MissingValueSeparator;
    const auto [line, column] =
        PlaceOf(json, atEnd || !tokenTaken ? parsed.offset : parsed.offset - 1);
    const QString reason = atEnd ? QStringLiteral("текстът свършва преждевременно: остава "
                                                  "незатворена скоба или кавичка")
                                 : ParseErrorText(parsed.error);
    return {.line = line, .column = column, .message = reason + QStringLiteral(".")};
}

// The format's name and a version this program reads; false, with the error
// told, for anything else.
bool ReadFormatAndVersion(BankJsonReader& read, const QJsonObject& root) {
    if (root.value(QStringLiteral("format")).toString() != kFormatName) {
        read.error(
            0,
            QStringLiteral("това не е банка: полето „format“ трябва да е „%1“.").arg(kFormatName));
        return false;
    }
    const auto number = WholeNumber(root.value(QStringLiteral("version")), 1, 1000000);
    if (!number) {
        read.error(0, QStringLiteral("полето „version“ трябва да е цяло число, например %1.")
                          .arg(kBankFormatVersion));
        return false;
    }
    if (*number > kBankFormatVersion) {
        read.error(0, QStringLiteral("банката е във версия %1 на формата, а програмата чете до "
                                     "версия %2: обновете програмата.")
                          .arg(static_cast<int>(*number))
                          .arg(kBankFormatVersion));
        return false;
    }
    read.version = static_cast<int>(*number);
    return true;
}

} // namespace

LoadedBank ReadBankJson(const QByteArray& json, const PictureReader& pictures) {
    LoadedBank bank;
    BankJsonReader read(bank, pictures, json);
    if (const std::optional<BankIssue> problem = EncodingProblem(json)) {
        bank.issues.push_back(*problem);
        return bank;
    }
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parsed);
    if (parsed.error != QJsonParseError::NoError) {
        bank.issues.push_back(SyntaxProblem(json, parsed));
        return bank;
    }
    if (!document.isObject()) {
        read.error(0, QStringLiteral("банката трябва да е обект { ... }."));
        return bank;
    }
    const QJsonObject root = document.object();
    if (!ReadFormatAndVersion(read, root)) return bank;
    if (read.version == 1) {
        read.knownFields(root, {"format", "version", "settings", "authorNote", "questions"}, 0);
        ReadSettingsItems(read, root, bank.content);
    } else {
        read.knownFields(root,
                         {"format", "version", "title", "phraseMode", "checkQuestion",
                          "checkVerdict", "explanations", "reviewNavigation", "publisher", "draw",
                          "formulasAsText", "authorNote", "questions"},
                         0);
        ReadNamedSettings(read, root, bank.content);
        read.formulasAsText =
            read.flag(root, QStringLiteral("formulasAsText"), false).value_or(false);
    }
    if (const auto note = read.text(root, QStringLiteral("authorNote"), 0, false))
        bank.content.authorNote = *note;

    const QJsonValue questions = root.value(QStringLiteral("questions"));
    if (!questions.isArray()) {
        read.error(0, QStringLiteral("полето „questions“ трябва да е списък от въпроси [ ... ]."));
        return bank;
    }
    int q = 0;
    for (const QJsonValue question : questions.toArray())
        read.question(question, ++q);
    return bank;
}

namespace {

// The file is written by hand in the order an author reads it (format first,
// each question's text before its options); QJsonObject would sort the names.
// Strings are escaped by QJsonDocument itself.
QByteArray Quoted(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2); // without the brackets
}

// The items, each written by `item`, one to a line.
QByteArray List(qsizetype count, const QByteArray& indent,
                const std::function<QByteArray(qsizetype)>& item) {
    if (count == 0) return "[]";
    QByteArray out = "[\n";
    for (qsizetype i = 0; i < count; ++i)
        out += indent + "    " + item(i) + (i + 1 < count ? ",\n" : "\n");
    return out + indent + "]";
}

QByteArray TextList(const QStringList& texts, const QByteArray& indent) {
    return List(texts.size(), indent, [&texts](qsizetype i) { return Quoted(texts[i]); });
}

// A picture option as {"picture": ..., "name": ...}, so that it keeps its
// name wherever its file is written.
QByteArray OptionList(const Question& q, const std::function<QString(const Picture&)>& pictureName,
                      const QByteArray& indent) {
    if (!HasOptionPictures(q)) return TextList(q.options, indent);
    return List(q.options.size(), indent, [&](qsizetype i) {
        const Picture picture = OptionPicture(q, static_cast<int>(i));
        if (!picture) return Quoted(q.options[i]);
        return "{\"picture\": " + Quoted(pictureName(picture)) +
               ", \"name\": " + Quoted(q.options[i]) + "}";
    });
}

} // namespace

QByteArray WriteBankJson(const BankContent& content,
                         const std::function<QString(const Picture&)>& pictureName, int version) {
    const auto flag = [](bool on) { return QByteArray(on ? "true" : "false"); };
    QByteArray out = "{\n";
    out += "    \"format\": " + Quoted(kFormatName) + ",\n";
    out += "    \"version\": " + QByteArray::number(version) + ",\n";
    if (version == 1) {
        out += "    \"settings\": " + TextList(SettingsItems(content.settings), "    ") + ",\n";
    } else {
        const BankSettings& s = content.settings;
        out += "    \"title\": " + Quoted(s.title) + ",\n";
        out += "    \"phraseMode\": " + flag(s.phrasePreview) + ",\n";
        out += "    \"checkQuestion\": " + flag(s.addsCheckQuestion()) + ",\n";
        if (s.showsVerdict() != s.addsCheckQuestion())
            out += "    \"checkVerdict\": " + flag(s.showsVerdict()) + ",\n";
        out += "    \"explanations\": " + flag(s.explanations) + ",\n";
        out += "    \"reviewNavigation\": " + flag(s.reviewNavigation) + ",\n";
        if (!content.publisher.isEmpty())
            out += "    \"publisher\": " + Quoted(content.publisher) + ",\n";
        if (content.draw) out += "    \"draw\": " + QByteArray::number(*content.draw) + ",\n";
    }
    out += "    \"authorNote\": " + Quoted(content.authorNote) + ",\n";
    out += "    \"questions\": [";
    for (std::size_t i = 0; i < content.questions.size(); ++i) {
        const Question& q = content.questions[i];
        out += i == 0 ? "\n" : ",\n";
        out += "        {\n";
        if (version >= 2 && !q.id.isEmpty()) out += "            \"id\": " + Quoted(q.id) + ",\n";
        out += "            \"text\": " + Quoted(q.text) + ",\n";
        out += "            \"options\": " + OptionList(q, pictureName, "            ") + ",\n";
        out += "            \"key\": " + Quoted(q.key) + ",\n";
        out += "            \"explanation\": " + TextList(q.explanation, "            ");
        if (q.picture) out += ",\n            \"picture\": " + Quoted(pictureName(q.picture));
        out += "\n        }";
    }
    out += content.questions.empty() ? "]\n" : "\n    ]\n";
    return out + "}\n";
}

} // namespace vorn
