#include "print_command.h"

#include "platform/exit_status.h"

namespace vorn {

int PrintCommand(const PrintRequest&, QTextStream&, QTextStream& err) {
    err << "vorn-player: printing is being built\n"; // replaced by the printing work
    return kExitFault;
}

} // namespace vorn
