#include "attempt_followers.h"

#include "exam.h"
#include "results_saving.h"
#include "view/exam_clock.h"

namespace vorn {

void AttemptFollowers::answered(const Attempt&) {
    if (followers_.journal) followers_.journal->changed();
}

void AttemptFollowers::graded(const Attempt& attempt) {
    // The clock first, so that the record holds the time at grading.
    if (followers_.clock) followers_.clock->stop();
    if (followers_.results) followers_.results->keep(followers_.recordOf(attempt));
    if (followers_.journal) followers_.journal->graded();
}

void AttemptFollowers::abandoned(const Attempt& attempt) {
    if (followers_.results) {
        ResultRecord record = followers_.recordOf(attempt);
        record.abandoned = true;
        followers_.results->keep(record);
    }
    if (followers_.journal) followers_.journal->abandoned();
}

} // namespace vorn
