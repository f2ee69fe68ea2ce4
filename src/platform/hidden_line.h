#pragma once
// A line typed on the controlling terminal without being shown, for a
// password: never an argument, which every user of the machine can read in
// the process list.

#include <QString>
#include <optional>

namespace vorn {

// `prompt` on the terminal, then the line typed with echo off (its end taken
// away). None when there is no terminal or nothing was typed before its end.
std::optional<QString> ReadHiddenLine(const QString& prompt);

} // namespace vorn
