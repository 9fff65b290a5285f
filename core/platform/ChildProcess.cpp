#include "core/platform/ChildProcess.h"

#include <QProcess>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>
#endif

namespace ChildProcess {

void endWithParent(QProcess &process)
{
#ifdef Q_OS_LINUX
    // One that lost its parent before the signal was set ends at once.
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
    });
#else
    Q_UNUSED(process)
#endif
}

} // namespace ChildProcess
