#include "login_name.h"

#include <pwd.h>
#include <unistd.h>

namespace vorn {

QString LoginName() {
    if (const passwd* entry = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("LOGNAME", qEnvironmentVariable("USER"));
}

} // namespace vorn
