#include "accessibility.h"

#include "option_frame.h"
#include "painted_buttons.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace vorn {

namespace {

const QString kLetters = QStringLiteral("ABCDE");

class OptionButtonAccessible : public QAccessibleWidget {
public:
    explicit OptionButtonAccessible(FlatOptionButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    FlatOptionButton* button() const { return static_cast<FlatOptionButton*>(widget()); }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && !button()->accessibleName().isEmpty())
            return button()->accessibleName();
        if (kind == QAccessible::Name) return button()->text();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto relations = QAccessibleWidget::relations(match);
        // This button is the label of its option's text box.
        if ((match & QAccessible::Labelled) && button()->labelFor())
            relations.append({QAccessible::queryAccessibleInterface(button()->labelFor()),
                              QAccessible::Labelled});
        return relations;
    }
    QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
    void doAction(const QString& action) override {
        if (action == QAccessibleActionInterface::pressAction()) button()->click();
    }
};

QAccessibleInterface* Factory(const QString& /*className*/, QObject* object) {
    if (auto* button = dynamic_cast<FlatOptionButton*>(object))
        return new OptionButtonAccessible(button); // owned by the accessibility cache
    if (auto* frame = dynamic_cast<OptionFrame*>(object))
        return new QAccessibleWidget(frame, QAccessible::Grouping);
    return nullptr;
}

QString OneLine(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String(" ")).trimmed();
}

} // namespace

void InstallAccessibleRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

bool InReview(const MainForm& form) {
    return form.attempt().mode() == RunMode::Review;
}

QString OptionBoxName(const MainForm& form, int index) {
    if (!form.controls().options.buttons(index).Visible) return {};
    return QStringLiteral("Отговор ") + kLetters[index];
}

QString OptionName(const MainForm& form, int index) {
    if (!form.controls().options.buttons(index).Visible) return {};
    return OptionBoxName(form, index) + QStringLiteral(": ") +
           OneLine(form.controls().options.texts(index).Text);
}

QString OptionVerdict(const MainForm& form, int index) {
    const OptionButton& option = form.controls().options.buttons(index);
    if (!option.Visible || !InReview(form)) return {};
    switch (option.mark) {
    case OptionMark::Right:
    case OptionMark::RightNotChosen:
        return QStringLiteral("верен отговор");
    case OptionMark::Wrong:
        return QStringLiteral("грешен отговор");
    case OptionMark::None:
        break;
    }
    return {};
}

QString IndicatorText(const MainForm& form) {
    switch (form.controls().indicator.mark) {
    case IndicatorMark::Right:
        return QStringLiteral("Въпросът е отговорен вярно.");
    case IndicatorMark::NotRight:
        return QStringLiteral("Въпросът не е отговорен вярно.");
    case IndicatorMark::Answered:
        return QStringLiteral("Въпросът има отговор.");
    case IndicatorMark::Unanswered:
        break;
    }
    return QStringLiteral("Въпросът още няма отговор.");
}

QString PositionText(const MainForm& form) {
    return QStringLiteral("Въпрос %1 от %2")
        .arg(form.attempt().currentPosition() + 1)
        .arg(form.attempt().questionCount());
}

QString AnsweredText(const MainForm& form) {
    return form.controls().progress.answeredCount.Caption;
}

} // namespace vorn
