#pragma once
// Everyone who follows the attempt, told through the form's one listener in a
// fixed order: the clock stops, the record is kept, the journal is written.
// Each follower is optional: a practice run has none, an exam all three.

#include "events/form_listener.h"
#include "record/result_record.h"

#include <functional>

namespace vorn {

class ExamClock;
class ExamJournalKeeper;
class ResultsKeeper;

struct Followers {
    ExamClock* clock = nullptr;
    ResultsKeeper* results = nullptr;
    ExamJournalKeeper* journal = nullptr;
    // The record of the attempt as it stands, with what this session knows.
    std::function<ResultRecord(const Attempt&)> recordOf;
};

class AttemptFollowers : public FormListener {
public:
    explicit AttemptFollowers(Followers followers) : followers_(std::move(followers)) {}

    void answered(const Attempt& attempt) override;
    void graded(const Attempt& attempt) override;
    void abandoned(const Attempt& attempt) override;

private:
    Followers followers_;
};

} // namespace vorn
