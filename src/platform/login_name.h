#pragma once
// The account the program runs as, for the records it writes.

#include <QString>

namespace vorn {

// The password database's name; the environment's only where it has no entry.
QString LoginName();

} // namespace vorn
