#include "core/platform/Processes.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace Processes {

bool isAlive(qint64 processId)
{
    return processId == qint64(::getpid()) || ::kill(pid_t(processId), 0) == 0 || errno != ESRCH;
}

void tieToThisProcess(QProcess &process)
{
#ifdef Q_OS_LINUX
    // The helper ends with Velmora, however Velmora ends; one that lost its parent before this point ends at once.
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

void started(QProcess &) {}

QString findHelper(const QString &program)
{
    if (program.contains(QLatin1Char('/')))
        return QFileInfo(program).isFile() ? program : QString();
    return QStandardPaths::findExecutable(program);
}

QString xorrisoMissing()
{
    return QCoreApplication::translate(
        "DiscImage", "xorriso was not found. Please install the xorriso package to make disc images.");
}

QString xorrisoMissingToBurn()
{
    return QCoreApplication::translate("DiscBurn",
                                       "xorriso was not found. Please install the xorriso package to burn discs.");
}

namespace {

// What a signal handler needs to stop the helper: its process and the file it writes. Plain data, since a handler
// may touch nothing else.
volatile sig_atomic_t watchedProcess = 0;
char watchedFile[4096];
constexpr int stopSignals[] = {SIGINT, SIGTERM, SIGHUP};

void stop(int signal)
{
    if (watchedProcess > 0)
        ::kill(pid_t(watchedProcess), SIGKILL);
    if (watchedFile[0] != '\0')
        ::unlink(watchedFile);
    // The program then ends as the signal asked, so the caller sees why.
    std::signal(signal, SIG_DFL);
    ::raise(signal);
}

} // namespace

StopGuard::StopGuard()
{
    for (const int signal : stopSignals)
        std::signal(signal, stop);
}

StopGuard::~StopGuard()
{
    for (const int signal : stopSignals)
        std::signal(signal, SIG_DFL);
    watchedProcess = 0;
    watchedFile[0] = '\0';
}

void StopGuard::watch(qint64 processId, const QString &partialFile)
{
    const QByteArray path = QFile::encodeName(partialFile);
    if (path.size() < qsizetype(sizeof watchedFile))
        std::memcpy(watchedFile, path.constData(), size_t(path.size()) + 1);
    watchedProcess = sig_atomic_t(processId);
}

namespace {

volatile std::sig_atomic_t noted = 0;

void note(int signal)
{
    noted = signal;
}

} // namespace

StopNote::StopNote()
{
    noted = 0;
    for (const int signal : stopSignals)
        std::signal(signal, note);
}

StopNote::~StopNote()
{
    for (const int signal : stopSignals)
        std::signal(signal, SIG_DFL);
    // Velmora then ends as the signal asked, so the caller sees why.
    if (noted != 0)
        ::raise(int(noted));
}

bool StopNote::requested()
{
    return noted != 0;
}

} // namespace Processes
