// The names, descriptions and tooltips assistive tools and the examinee get,
// brought up to date with the rest of the view, and the review marks.

#include "accessibility.h"
#include "form_view.h"
#include "option_frame.h"
#include "painted_buttons.h"
#include "picture_opener.h"

namespace vorn {

namespace {

// Set only on a change, so that tools hear of changes and nothing else.
void SetName(QWidget* widget, const QString& name) {
    if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

void SetDescription(QWidget* widget, const QString& description, bool asToolTip = false) {
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
    if (asToolTip && widget->toolTip() != description) widget->setToolTip(description);
}

} // namespace

void FormView::buildAccessibleTexts() {
    const Progress& progress = controls().progress;
    QWidget* indicator = widgetFor(controls().indicator.light.Name);
    QWidget* picture = widgetFor(controls().pictureArea.Name);
    const std::array<QWidget*, 2> positionBar{widgetFor(progress.positionBar.passed.Name),
                                              widgetFor(progress.positionBar.rest.Name)};
    const std::array<QWidget*, 2> answeredBar{widgetFor(progress.answeredBar.passed.Name),
                                              widgetFor(progress.answeredBar.rest.Name)};
    SetName(frame_, QStringLiteral("Отговори"));
    SetName(textBoxes_[6], QStringLiteral("Фразата с избрания отговор"));
    SetName(info_, QStringLiteral("Помощ и обяснения"));

    refreshers_.push_back([=, this] {
        const auto shown = [](const Control& c, const QString& text) {
            return c.Visible ? text : QString();
        };
        SetName(textBoxes_[0], shown(controls().questionText, PositionText(form_)));
        std::array<OptionMark, 5> marks{};
        for (int i = 0; i < 5; ++i) {
            FlatOptionButton* button = options_[static_cast<std::size_t>(i)];
            SetName(button, OptionName(form_, i));
            SetDescription(button, OptionVerdict(form_, i), true);
            SetName(textBoxes_[static_cast<std::size_t>(i + 1)], OptionBoxName(form_, i));
            const OptionButton& option = controls().options.buttons(i);
            if (option.Visible && InReview(form_)) marks[static_cast<std::size_t>(i)] = option.mark;
        }
        frame_->setMarks(marks, {options_[0], options_[1], options_[2], options_[3], options_[4]});

        SetName(indicator,
                shown(controls().indicator.light, controls().indicator.caption.Caption.trimmed()));
        SetDescription(indicator, shown(controls().indicator.light, IndicatorText(form_)), true);
        for (QWidget* segment : positionBar)
            SetName(segment, PositionText(form_));
        for (QWidget* segment : answeredBar)
            SetName(segment, AnsweredText(form_));
        SetName(picture, QStringLiteral("Картинка към въпроса"));
        SetDescription(picture, !controls().pictureArea.Picture
                                    ? QStringLiteral("Въпросът няма картинка.")
                                : picturesOpenLarge_ ? OpensLargeDescription()
                                                     : QString());
    });
}

} // namespace vorn
