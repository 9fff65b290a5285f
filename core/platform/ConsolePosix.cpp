#include "core/platform/Console.h"

#include <csignal>
#include <cstring>

namespace Console {

QStringList arguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void prepareForCommand() {}

bool hasDisplay(int argc, char *argv[])
{
#ifdef Q_OS_MACOS
    Q_UNUSED(argc)
    Q_UNUSED(argv)
    return true;
#else
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0)
            return true;
    }
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#endif
}

void reportSizeLimitsAsErrors()
{
    // A file-size limit then fails the write with a reason, and the half-written file is removed, instead of the
    // program ending on the spot.
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace Console
