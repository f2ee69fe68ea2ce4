#pragma once
// key.pdf: per variant the right letter at every position and the seeds
// that print the variant again, for the teacher.

#include "print_plan.h"

#include <QByteArray>
#include <QString>

namespace vorn {

QByteArray KeyDocument(const PrintPlan& plan);

// The right letter at `position` of a run, "—" where no option is the key.
QString KeyLetter(const Attempt& run, int position);

} // namespace vorn
