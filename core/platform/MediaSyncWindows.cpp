#include "core/platform/MediaSync.h"

#include "core/platform/WindowsCalls.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <cstring>
#include <io.h>
#include <qt_windows.h>

namespace MediaSync {

namespace {

StepResult failed(const QString &what, const QString &reason)
{
    return StepResult::failure(
        QCoreApplication::translate("DriveCopy", "%1 could not be written to the drive: %2").arg(what, reason));
}

// Closes a handle of the wide calls when it goes.
struct Handle
{
    HANDLE value = INVALID_HANDLE_VALUE;
    ~Handle()
    {
        if (value != INVALID_HANDLE_VALUE)
            CloseHandle(value);
    }
};

// The device name of the volume that holds path, as CreateFileW opens it ("\\?\Volume{...}", "\\.\E:"); empty when
// it has none that can be opened (a network share).
std::wstring volumeDevice(const std::wstring &path)
{
    wchar_t mountPoint[MAX_PATH + 1] = {};
    if (!GetVolumePathNameW(path.c_str(), mountPoint, MAX_PATH + 1))
        return {};
    wchar_t name[64] = {};
    if (GetVolumeNameForVolumeMountPointW(mountPoint, name, 64)) {
        std::wstring volume = name;
        if (!volume.empty() && volume.back() == L'\\')
            volume.pop_back(); // with the backslash it would name the volume's root folder, not the volume
        return volume;
    }
    if (wcslen(mountPoint) == 3 && mountPoint[1] == L':')
        return std::wstring(L"\\\\.\\") + mountPoint[0] + L':';
    return {};
}

} // namespace

// The C library's commit is FlushFileBuffers on the file.
StepResult flushFile(int handle)
{
    if (::_commit(handle) != 0)
        return failed(QCoreApplication::translate("DriveCopy", "A file"), QString::fromLocal8Bit(std::strerror(errno)));
    return StepResult::success();
}

StepResult flushFileSystem(const QString &path)
{
    const std::wstring target = WindowsCalls::widePath(path);
    if (GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES)
        return failed(QDir::toNativeSeparators(path), WindowsCalls::systemMessage(GetLastError()));
    // Flushing the whole volume writes the folders' records and the allocation tables too, but it needs
    // administrative rights: without them each file was flushed as it was written, and that has to do.
    const std::wstring volume = volumeDevice(target);
    if (volume.empty())
        return StepResult::success();
    Handle device;
    device.value = CreateFileW(volume.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
    if (device.value == INVALID_HANDLE_VALUE || FlushFileBuffers(device.value))
        return StepResult::success();
    const DWORD error = GetLastError();
    // A volume that cannot be flushed as a whole, or not by this user.
    if (error == ERROR_ACCESS_DENIED || error == ERROR_INVALID_FUNCTION || error == ERROR_NOT_SUPPORTED ||
        error == ERROR_INVALID_PARAMETER || error == ERROR_INVALID_HANDLE)
        return StepResult::success();
    return failed(QDir::toNativeSeparators(path), WindowsCalls::systemMessage(error));
}

StepResult readFromMedium(const QString &path, const std::function<void(QByteArrayView piece)> &take)
{
    const std::wstring name = WindowsCalls::widePath(path);
    // Unbuffered reads pass the system's cache and come from the medium. They must ask for whole sectors into memory
    // aligned to them: VirtualAlloc aligns to 64 KiB, and a mebibyte is a whole number of any sector size.
    Handle file;
    file.value = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_FLAG_NO_BUFFERING, nullptr);
    if (file.value == INVALID_HANDLE_VALUE && GetLastError() == ERROR_INVALID_PARAMETER) {
        // A file system that cannot read past its cache (some network redirectors): read what it gives.
        file.value = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    }
    if (file.value == INVALID_HANDLE_VALUE)
        return StepResult::failure(WindowsCalls::systemMessage(GetLastError()));
    constexpr DWORD chunk = 1 << 20;
    void *const buffer = VirtualAlloc(nullptr, chunk, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!buffer)
        return StepResult::failure(WindowsCalls::systemMessage(GetLastError()));
    StepResult result;
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.value, buffer, chunk, &got, nullptr)) {
            const DWORD error = GetLastError();
            if (error != ERROR_HANDLE_EOF)
                result = StepResult::failure(WindowsCalls::systemMessage(error));
            break;
        }
        if (got == 0)
            break;
        take(QByteArrayView(static_cast<const char *>(buffer), got));
    }
    VirtualFree(buffer, 0, MEM_RELEASE);
    return result;
}

} // namespace MediaSync
