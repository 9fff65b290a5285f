#include "core/platform/Processes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <atomic>
#include <string>

#include <qt_windows.h>

namespace Processes {

bool isAlive(qint64 processId)
{
    if (processId == qint64(GetCurrentProcessId()))
        return true;
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(processId));
    if (!process)
        // A process that exists but may not be opened still runs; only an unknown id is gone.
        return GetLastError() != ERROR_INVALID_PARAMETER;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

namespace {

// One job for every helper: Windows closes its handle when Velmora ends, however it ends, and then ends every
// process in the job (the twin of Linux's parent-death signal).
HANDLE helperJob()
{
    static const HANDLE job = [] {
        HANDLE made = CreateJobObjectW(nullptr, nullptr);
        if (made) {
            JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
            limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
            SetInformationJobObject(made, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        }
        return made;
    }();
    return job;
}

} // namespace

void tieToThisProcess(QProcess &) {}

void started(QProcess &process)
{
    HANDLE job = helperJob();
    if (!job || process.processId() == 0)
        return;
    HANDLE child = OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE, DWORD(process.processId()));
    if (!child)
        return;
    AssignProcessToJobObject(job, child);
    CloseHandle(child);
}

QString findHelper(const QString &program)
{
    if (program.contains(QLatin1Char('/')) || program.contains(QLatin1Char('\\')))
        return QFileInfo(program).isFile() ? program : QString();
    // A helper unpacked beside velmora.exe comes first, as Windows users keep them.
    const QString beside = QStandardPaths::findExecutable(program, {QCoreApplication::applicationDirPath()});
    return beside.isEmpty() ? QStandardPaths::findExecutable(program) : beside;
}

QString xorrisoMissing()
{
    return QCoreApplication::translate("DiscImage",
                                       "Making a disc image needs xorriso.exe beside velmora.exe or on the PATH.");
}

QString xorrisoMissingToBurn()
{
    return QCoreApplication::translate("DiscBurn",
                                       "Burning a disc needs xorriso.exe beside velmora.exe or on the PATH.");
}

namespace {

// What the console handler needs to stop the helper. The handler runs on a thread of its own that Windows starts.
std::atomic<DWORD> watchedProcess{0};
std::wstring watchedFile;
std::atomic<bool> fileSet{false};

BOOL WINAPI stop(DWORD)
{
    const DWORD id = watchedProcess.exchange(0);
    if (id != 0) {
        if (HANDLE child = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
            TerminateProcess(child, 1);
            // The file can be removed only once the helper has let go of it.
            WaitForSingleObject(child, 5000);
            CloseHandle(child);
        }
    }
    if (fileSet.exchange(false))
        DeleteFileW(watchedFile.c_str());
    // The next handler, the system's, then ends Velmora as the event asked.
    return FALSE;
}

} // namespace

StopGuard::StopGuard()
{
    SetConsoleCtrlHandler(stop, TRUE);
}

StopGuard::~StopGuard()
{
    SetConsoleCtrlHandler(stop, FALSE);
    watchedProcess = 0;
    fileSet = false;
}

void StopGuard::watch(qint64 processId, const QString &partialFile)
{
    fileSet = false;
    watchedFile = QDir::toNativeSeparators(QFileInfo(partialFile).absoluteFilePath()).toStdWString();
    fileSet = !partialFile.isEmpty();
    watchedProcess = DWORD(processId);
}

namespace {

std::atomic<DWORD> noted{0};
std::atomic<bool> noting{false};

BOOL WINAPI note(DWORD event)
{
    noted = event + 1;
    // A closed console ends the program when this returns: give the copy a moment to drop its temporary.
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
        for (int waited = 0; noting && waited < 40; ++waited)
            Sleep(100);
    }
    return TRUE;
}

} // namespace

StopNote::StopNote()
{
    noted = 0;
    noting = true;
    SetConsoleCtrlHandler(note, TRUE);
}

StopNote::~StopNote()
{
    noting = false;
    SetConsoleCtrlHandler(note, FALSE);
    if (noted != 0)
        ExitProcess(STATUS_CONTROL_C_EXIT);
}

bool StopNote::requested()
{
    return noted != 0;
}

} // namespace Processes

