#include "golden_state.h"

#include "events/main_form.h"
#include "form/input_gate.h"
#include "platform/random_source.h"
#include "record/run_record.h"
#include "shipped/shipped_bank.h"
#include "support/each_control.h"

#include <QCryptographicHash>
#include <random>

namespace vorn::golden {

namespace {

const char* const kKindNames[] = {"Option1", "Command1", "Command2", "autor"};

QString Escaped(QString text) {
    text.replace(u'\\', QLatin1String("\\\\"));
    text.replace(u'\r', QLatin1String("\\r"));
    text.replace(u'\n', QLatin1String("\\n"));
    return text;
}

QString Hex(Color color) {
    return QString::number(color, 16);
}

QString Number(Twips value) {
    return QString::number(static_cast<double>(value), 'g', 9);
}

void AddControl(VisibleState& s, const Control& c) {
    s[c.Name + QStringLiteral(".Visible")] = c.Visible ? QStringLiteral("1") : QStringLiteral("0");
    if (!c.Visible) return;
    s[c.Name + QStringLiteral(".Enabled")] = c.Enabled ? QStringLiteral("1") : QStringLiteral("0");
    s[c.Name + QStringLiteral(".BackColor")] = Hex(c.BackColor);
    s[c.Name + QStringLiteral(".Place")] =
        QStringLiteral("%1 %2 %3 %4")
            .arg(Number(c.Left), Number(c.Top), Number(c.Width), Number(c.Height));
}

void AddText(VisibleState& s, const Control& c, const QString& property, const QString& text) {
    AddControl(s, c);
    if (c.Visible) s[c.Name + u'.' + property] = Escaped(text);
}

void AddMenu(VisibleState& s, const MenuCommand& m) {
    s[m.Name + QStringLiteral(".Menu")] =
        QStringLiteral("%1 %2 %3")
            .arg(Escaped(m.Caption), m.Visible ? QStringLiteral("1") : QStringLiteral("0"),
                 m.Enabled ? QStringLiteral("1") : QStringLiteral("0"));
}

// Texts with a blank in every place the preview treats differently.
const QString kPhraseEndings[] = {
    QStringLiteral(" ___ край"), QStringLiteral(" _"),     QStringLiteral(" __."),
    QStringLiteral("_x"),        QStringLiteral(" _ и _"), QString(),
};

BankContent MadeUpBank(int run, std::uint32_t seed) {
    std::mt19937 rng(seed);
    const int sizes[] = {3, 4, 20, 21, 28};
    const int n = sizes[run % 5];
    // The recorded banks' check digits 0, 1 and 2; every switch drawn in the
    // order the recorded runs drew them.
    const CheckMode checks[] = {CheckMode::Off, CheckMode::WithQuestion, CheckMode::VerdictOnly};
    BankContent bank;
    bank.settings.phrasePreview = rng() % 2 == 1;
    bank.settings.check = checks[rng() % 3];
    bank.settings.title = QStringLiteral("Тест %1").arg(run);
    bank.settings.explanations = rng() % 2 == 1;
    bank.settings.reviewNavigation = rng() % 2 == 1;
    bank.authorNote = AuthorNote();
    for (int q = 1; q <= n; ++q) {
        Question question;
        question.text = QStringLiteral("Въпрос %1").arg(q) + kPhraseEndings[rng() % 6];
        const int k = 2 + static_cast<int>(rng() % 4);
        for (int j = 1; j <= k; ++j)
            question.options.append(QStringLiteral("%1-%2").arg(q).arg(j));
        question.key = question.options[static_cast<int>(rng() % static_cast<unsigned>(k))];
        const unsigned roll = rng() % 10;
        if (roll == 0) question.key = QStringLiteral("нищо");  // no option is right
        if (roll == 1) question.options.back() = question.key; // two options are
        const unsigned lines = rng() % 4;
        for (unsigned l = 1; l <= lines; ++l)
            question.explanation.append(QStringLiteral("Обяснение %1, ред %2").arg(q).arg(l));
        if (rng() % 4 != 0) question.picture = MakePicture(QStringLiteral("p%1").arg(q).toUtf8());
        bank.questions.push_back(question);
    }
    return bank;
}

} // namespace

QString EventLine(const Event& event, bool delivered) {
    return QStringLiteral("E %1 %2 %3\n")
        .arg(QString::fromLatin1(kKindNames[static_cast<int>(event.kind)]))
        .arg(event.index)
        .arg(delivered ? QStringLiteral("+") : QStringLiteral("-"));
}

std::optional<Event> ParseEventLine(const QString& line) {
    const QStringList parts = line.split(u' ');
    if (parts.size() != 4 || parts[0] != QStringLiteral("E")) return std::nullopt;
    for (int kind = 0; kind < 4; ++kind)
        if (parts[1] == QString::fromLatin1(kKindNames[kind]))
            return Event{static_cast<EventKind>(kind), parts[2].toInt()};
    return std::nullopt;
}

QString DiffLines(const VisibleState& before, const VisibleState& after) {
    QString lines;
    for (const auto& [name, value] : after) {
        const auto old = before.find(name);
        if (old == before.end() || old->second != value)
            lines += QStringLiteral("K ") + name + u'=' + value + u'\n';
    }
    for (const auto& [name, value] : before)
        if (after.find(name) == after.end()) lines += QStringLiteral("D ") + name + u'\n';
    return lines;
}

BankContent BankOfRun(int run, std::uint32_t seed) {
    if (run % 9 == 8) return ShippedBank();
    return MadeUpBank(run, seed);
}

struct Player::Pieces {
    ClockRandom random;
    std::unique_ptr<MainForm> form;
    explicit Pieces(std::uint32_t seed) : random(seed) {}
};

Player::Player(int run, std::uint32_t seed) : parts_(std::make_unique<Pieces>(seed)) {
    parts_->form = std::make_unique<MainForm>(BankOfRun(run, seed), parts_->random);
    parts_->form->start();
}

Player::~Player() = default;

bool Player::apply(const Event& event) {
    MainForm& form = *parts_->form;
    const FormControls& f = form.controls();
    // The traces name the buttons by their design names: Command1 0 and 1 are
    // the test's moves, Command2 0 grades and 1 and 2 are the review's moves.
    const auto press = [&form](const CommandButton& button, void (MainForm::*event)()) {
        if (!TakesInput(button)) return false;
        (form.*event)();
        return true;
    };
    const int index = event.index;
    switch (event.kind) {
    case EventKind::Option:
        if (!TakesInput(f.options.buttons(index), f.options.frame)) return false;
        form.choose(index);
        return true;
    case EventKind::Command1:
        return index == 0 ? press(f.moves.forward, &MainForm::forward)
                          : press(f.moves.back, &MainForm::back);
    case EventKind::Command2:
        return index == 0   ? press(f.gradeButton, &MainForm::grade)
               : index == 1 ? press(f.moves.reviewForward, &MainForm::forward)
                            : press(f.moves.reviewBack, &MainForm::back);
    case EventKind::Author:
        if (!TakesInput(f.menu.author)) return false;
        form.showAuthor();
        return true;
    }
    return false;
}

VisibleState Player::state() const {
    const FormControls& f = parts_->form->controls();
    VisibleState s;
    s[QStringLiteral("Caption")] = Escaped(f.window.Caption);
    s[QStringLiteral("BackColor")] = Hex(f.window.BackColor);
    const auto caption = QStringLiteral("Caption");
    test::EachControl(f,
                      test::Overloaded{
                          [&](const Label& c) { AddText(s, c, caption, c.Caption); },
                          [&](const CommandButton& c) { AddText(s, c, caption, c.Caption); },
                          [&](const Frame& c) { AddText(s, c, caption, c.Caption); },
                          [&](const TextBox& c) { AddText(s, c, QStringLiteral("Text"), c.Text); },
                          [&](const OptionButton& c) {
                              AddText(s, c, caption, c.Caption);
                              if (c.Visible)
                                  s[c.Name + QStringLiteral(".Value")] =
                                      c.Value() ? QStringLiteral("1") : QStringLiteral("0");
                          },
                          [&](const Control& c) { AddControl(s, c); },
                      });
    if (f.pictureArea.Visible)
        s[QStringLiteral("Picture2.Picture")] =
            f.pictureArea.Picture
                ? QString::fromLatin1(QCryptographicHash::hash(f.pictureArea.Picture->encoded,
                                                               QCryptographicHash::Md5)
                                          .toHex()
                                          .left(12))
                : QStringLiteral("none");
    AddMenu(s, f.menu.exit);
    AddMenu(s, f.menu.author);
    // What grading keeps for the teacher, pinned with the screens.
    if (parts_->form->attempt().grade()) {
        const RunFacts facts{.time = QDateTime(QDate(2024, 5, 14), QTime(9, 0), Qt::UTC),
                             .user = QStringLiteral("u"),
                             .host = QStringLiteral("h"),
                             .program = QStringLiteral("1.0"),
                             .bankSha256 = QStringLiteral("0"),
                             .seed = 1};
        s[QStringLiteral("record")] = Escaped(
            QString::fromUtf8(RecordLine(RecordOfRun(parts_->form->attempt(), facts)).trimmed()));
    }
    return s;
}

} // namespace vorn::golden
