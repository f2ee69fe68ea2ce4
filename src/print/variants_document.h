#pragma once
// variants.pdf: each variant from a new page, its questions in the
// variant's order with their pictures and options as the variant orders
// them. Explanations are never printed: the paper goes to the students.

#include "print_plan.h"

#include <QByteArray>

namespace vorn {

QByteArray VariantsDocument(const PrintPlan& plan);

} // namespace vorn
