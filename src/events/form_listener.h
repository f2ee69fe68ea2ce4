#pragma once
// The one way out of the main form: what happened to the attempt, told to one
// listener (app/ fans it out to the results, the journal and the clock), and
// the questions the form asks before it acts.

#include <vector>

namespace vorn {

class Attempt;

class FormListener {
public:
    virtual ~FormListener() = default;
    // An answer or a move while the test runs: what is kept against a crash
    // follows the attempt.
    virtual void answered(const Attempt& attempt) = 0;
    // Graded by the examinee or by the clock, the result already on screen.
    virtual void graded(const Attempt& attempt) = 0;
    // Left before grading, after the examinee confirmed it.
    virtual void abandoned(const Attempt& attempt) = 0;
};

// Asked before grading and before leaving; a form without them asks nothing.
class FormQuestions {
public:
    virtual ~FormQuestions() = default;
    // Positions left open, 1-based and in order; false keeps the test going.
    virtual bool confirmGrading(const std::vector<int>& open) = 0;
    // Before leaving a test that is not graded; false keeps it going.
    virtual bool confirmLeaving(const Attempt& attempt) = 0;
};

} // namespace vorn
