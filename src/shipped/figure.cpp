#include "figure.h"

#include "platform/program_error.h"

namespace vorn {

const FigurePoint& Figure::point(const QString& name) const {
    for (const FigurePoint& p : points)
        if (p.name == name) return p;
    throw ProgramError(QStringLiteral("Figure: no point %1").arg(name));
}

} // namespace vorn
