#pragma once

class QProcess;

// Programs Velmora runs for a medium (xorriso, mtools) must not go on writing after Velmora has ended.
namespace ChildProcess {

// Makes the process, once started, end when Velmora ends, however it ends (Linux: the parent-death signal; the
// Windows side, a job object, is still to come).
void endWithParent(QProcess &process);

} // namespace ChildProcess
