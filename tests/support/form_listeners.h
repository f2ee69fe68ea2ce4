#pragma once
// The form's listener and questions as functions a test sets, and what the
// form told them.

#include "events/form_listener.h"

#include <functional>
#include <vector>

namespace vorn::test {

class ListenerOf : public FormListener {
public:
    std::function<void(const Attempt&)> onAnswered = [](const Attempt&) {};
    std::function<void(const Attempt&)> onGraded = [](const Attempt&) {};
    std::function<void(const Attempt&)> onAbandoned = [](const Attempt&) {};

    void answered(const Attempt& a) override { onAnswered(a); }
    void graded(const Attempt& a) override { onGraded(a); }
    void abandoned(const Attempt& a) override { onAbandoned(a); }
};

class QuestionsOf : public FormQuestions {
public:
    std::function<bool(const std::vector<int>&)> onGrading = [](const std::vector<int>&) {
        return true;
    };
    std::function<bool()> onLeaving = [] { return true; };

    bool confirmGrading(const std::vector<int>& open) override { return onGrading(open); }
    bool confirmLeaving(const Attempt&) override { return onLeaving(); }
};

} // namespace vorn::test
