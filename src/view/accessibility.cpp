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

bool InReview(const VORN_Prazno& form) {
    return form.run().mode() == RunMode::Review;
}

QString OptionBoxName(const VORN_Prazno& form, int index) {
    if (!form.controls().Option1(index).Visible) return {};
    return QStringLiteral("Отговор ") + kLetters[index];
}

QString OptionName(const VORN_Prazno& form, int index) {
    if (!form.controls().Option1(index).Visible) return {};
    return OptionBoxName(form, index) + QStringLiteral(": ") +
           OneLine(form.controls().Text2(index + 1).Text);
}

QString OptionVerdict(const VORN_Prazno& form, int index) {
    const OptionButton& option = form.controls().Option1(index);
    if (!option.Visible || !InReview(form)) return {};
    if (option.BackColor == kGreen) return QStringLiteral("верен отговор");
    if (option.BackColor == kRed) return QStringLiteral("грешен отговор");
    return {};
}

QString IndicatorText(const VORN_Prazno& form) {
    const bool green = form.controls().Picture1.BackColor == kGreen;
    if (InReview(form))
        return green ? QStringLiteral("Въпросът е отговорен вярно.")
                     : QStringLiteral("Въпросът не е отговорен вярно.");
    return green ? QStringLiteral("Въпросът има отговор.")
                 : QStringLiteral("Въпросът още няма отговор.");
}

QString PositionText(const VORN_Prazno& form) {
    return QStringLiteral("Въпрос %1 от %2")
        .arg(form.run().currentPosition() + 1)
        .arg(form.run().questionCount());
}

QString AnsweredText(const VORN_Prazno& form) {
    return form.controls().Label1(2).Caption;
}

} // namespace vorn
