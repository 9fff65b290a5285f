#include "core/platform/RemovableDrives.h"

#include "core/platform/WindowsCalls.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cwchar>
#include <iterator>
#include <qt_windows.h>
#include <winioctl.h>

namespace RemovableDrives {

namespace {

// An empty card reader or floppy drive asked for its volume would otherwise bring up the system's "insert a disk"
// box.
class QuietDrives
{
public:
    QuietDrives() { SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &m_before); }
    ~QuietDrives() { SetThreadErrorMode(m_before, nullptr); }
    QuietDrives(const QuietDrives &) = delete;
    QuietDrives &operator=(const QuietDrives &) = delete;

private:
    DWORD m_before = 0;
};

struct Volume
{
    HANDLE handle = INVALID_HANDLE_VALUE;
    ~Volume()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle); // also ends the lock
    }
};

StepResult couldNot(DWORD error)
{
    // Some card readers, and drives that stand for a folder, take no request to dismount or eject.
    if (error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION)
        return StepResult::failure(QCoreApplication::translate(
            "DriveCopy", "The drive could not be ejected: it takes no such request. Use \"Safely Remove Hardware\" "
                         "on the taskbar."));
    return StepResult::failure(QCoreApplication::translate("DriveCopy", "The drive could not be ejected: %1")
                                   .arg(WindowsCalls::systemMessage(error)));
}

// What keeps a volume's lock away: a file open on it.
bool inUse(DWORD error)
{
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

bool control(HANDLE volume, DWORD code, void *input = nullptr, DWORD inputSize = 0)
{
    DWORD returned = 0;
    return DeviceIoControl(volume, code, input, inputSize, nullptr, 0, &returned, nullptr);
}

// "E:/" for "E:/", "e:\\" or "E:": the drive's root as the list gives it, or empty.
QString rootOf(const QString &letter)
{
    if (letter.size() < 2 || !letter.at(0).isLetter() || letter.at(1) != QLatin1Char(':'))
        return {};
    return letter.left(1).toUpper() + QStringLiteral(":/");
}

} // namespace

QList<RemovableDrive> mounted()
{
    const QuietDrives quiet;
    QList<RemovableDrive> drives;
    wchar_t roots[26 * 4 + 1] = {};
    const DWORD length = GetLogicalDriveStringsW(DWORD(std::size(roots)), roots);
    if (length == 0 || length >= std::size(roots))
        return drives;
    for (const wchar_t *root = roots; *root; root += std::wcslen(root) + 1) {
        if (GetDriveTypeW(root) != DRIVE_REMOVABLE)
            continue;
        wchar_t label[MAX_PATH + 1] = {};
        wchar_t fileSystem[MAX_PATH + 1] = {};
        DWORD flags = 0;
        // A drive without a medium has no volume to tell of, and a write-protected one takes no copy.
        if (!GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, &flags, fileSystem, MAX_PATH + 1) ||
            (flags & FILE_READ_ONLY_VOLUME))
            continue;
        ULARGE_INTEGER available = {};
        if (!GetDiskFreeSpaceExW(root, &available, nullptr, nullptr))
            continue;
        const QString path = QDir::fromNativeSeparators(QString::fromWCharArray(root));
        drives.append({path, QString::fromWCharArray(label), path.left(2), QString::fromWCharArray(fileSystem),
                       qint64(available.QuadPart)});
    }
    return drives;
}

RemovableDrive holding(const QString &path)
{
    if (path.isEmpty())
        return {};
    // Windows compares letters and names without regard to case.
    QString full = QDir::cleanPath(QDir::fromNativeSeparators(QFileInfo(path).absoluteFilePath()));
    if (!full.endsWith(QLatin1Char('/')))
        full += QLatin1Char('/');
    for (const RemovableDrive &drive : mounted()) {
        const QString root = rootOf(drive.root);
        if (!root.isEmpty() && full.startsWith(root, Qt::CaseInsensitive))
            return drive;
    }
    return {};
}

StepResult eject(const RemovableDrive &drive)
{
    const QString root = rootOf(drive.root);
    if (root.isEmpty())
        return couldNot(ERROR_INVALID_DRIVE);
    // The volume is locked, so that nothing opens a file on it meanwhile, dismounted, which writes what is cached,
    // and its medium ejected: the way Windows' own "safely remove" ends for a stick.
    const std::wstring device = (QStringLiteral("\\\\.\\") + root.left(2)).toStdWString();
    Volume volume;
    volume.handle = CreateFileW(device.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (volume.handle == INVALID_HANDLE_VALUE)
        volume.handle = CreateFileW(device.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (volume.handle == INVALID_HANDLE_VALUE)
        return couldNot(GetLastError());
    FlushFileBuffers(volume.handle);
    // A file still open on the drive keeps the lock away; one that Explorer or a virus scanner holds for a moment
    // is let go within a few seconds.
    bool locked = false;
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 10 && !locked; ++attempt) {
        if (attempt > 0)
            Sleep(500);
        locked = control(volume.handle, FSCTL_LOCK_VOLUME);
        if (!locked) {
            error = GetLastError();
            if (!inUse(error))
                break;
        }
    }
    if (!locked && inUse(error))
        return StepResult::failure(QCoreApplication::translate(
            "DriveCopy", "The drive is busy: a program still uses a file on it. Close that program and eject again."));
    if (!locked)
        return couldNot(error);
    if (!control(volume.handle, FSCTL_DISMOUNT_VOLUME))
        return couldNot(GetLastError());
    // A program may have asked that the medium stay in; the user now asks otherwise. Not every drive knows of it.
    PREVENT_MEDIA_REMOVAL allow = {};
    allow.PreventMediaRemoval = FALSE;
    control(volume.handle, IOCTL_STORAGE_MEDIA_REMOVAL, &allow, sizeof allow);
    if (!control(volume.handle, IOCTL_STORAGE_EJECT_MEDIA))
        return couldNot(GetLastError());
    return StepResult::success();
}

} // namespace RemovableDrives
