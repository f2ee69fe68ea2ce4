#include "scan_command.h"

#include "platform/exit_status.h"

namespace vorn {

int ScanCommand(const ScanRequest&, QTextStream&, QTextStream& err) {
    err << "vorn-player: scanning is being built\n"; // replaced by the scanning work
    return kExitFault;
}

int ScanDecideCommand(const ScanDecideRequest&, QTextStream&, QTextStream& err) {
    err << "vorn-player: scanning is being built\n";
    return kExitFault;
}

} // namespace vorn
