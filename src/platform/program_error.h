#pragma once
// A failing control access (a missing list row or control array member) is a
// programming error: it is reported loudly, naming the control and the index.

#include <QString>
#include <stdexcept>

namespace vorn {

class ProgramError : public std::logic_error {
public:
    explicit ProgramError(const QString& what) : std::logic_error(what.toStdString()) {}
};

} // namespace vorn
