#pragma once

#include <QString>

class QProcess;

// Other programs Velmora runs and watches, where systems differ: ProcessesPosix.cpp and ProcessesWindows.cpp,
// chosen by the build.
namespace Processes {

// Whether a process of that id still runs (this one counts as running).
bool isAlive(qint64 processId);

// Ties a helper program to Velmora's life, however Velmora ends: call before the process starts, and started()
// once it has.
void tieToThisProcess(QProcess &process);
void started(QProcess &process);

// A helper program by name ("xorriso"): the path given as it is, else beside velmora where the system keeps helpers
// there, else on the search path. Empty when there is none.
QString findHelper(const QString &program);
// What making a disc image needs when xorriso is not there.
QString xorrisoMissing();
// The same for burning a disc.
QString xorrisoMissingToBurn();

// While a helper writes a file, Ctrl+C, a closed terminal or console and a kill request stop the helper, remove the
// file and end Velmora as asked. Only one at a time; the guard's end restores the usual handling.
class StopGuard
{
public:
    StopGuard();
    ~StopGuard();
    StopGuard(const StopGuard &) = delete;
    StopGuard &operator=(const StopGuard &) = delete;

    void watch(qint64 processId, const QString &partialFile);
};

// While a step that must end in order runs (a copy onto a drive): Ctrl+C, a closed terminal or console and a kill
// request are noted instead of ending Velmora at once, so the step can stop cleanly; the note's end then ends Velmora
// as asked. Only one at a time.
class StopNote
{
public:
    StopNote();
    ~StopNote();
    StopNote(const StopNote &) = delete;
    StopNote &operator=(const StopNote &) = delete;

    static bool requested();
};

} // namespace Processes
