#include "core/platform/FileOps.h"

#include "core/platform/WindowsCalls.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <qt_windows.h>

namespace FileOps {

namespace {

Result failed(DWORD error = GetLastError())
{
    return Result::failure(WindowsCalls::systemMessage(error));
}

} // namespace

Result copyInKernel(int, int)
{
    return Result::made(Outcome::Unsupported);
}

void followKernelPositions(QFile &, QFile &) {}

Result exchangeNames(const QString &, const QString &)
{
    return Result::made(Outcome::Unsupported);
}

Result replaceName(const QString &from, const QString &to)
{
    // One step that replaces the earlier file and waits until the new name is on the disk.
    if (MoveFileExW(WindowsCalls::widePath(from).c_str(), WindowsCalls::widePath(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Result::made(Outcome::Done);
    return failed();
}

Result nameWithoutReplacing(const QString &from, const QString &to)
{
    // Without MOVEFILE_REPLACE_EXISTING the move fails when the name is taken, in one step with the check.
    if (MoveFileExW(WindowsCalls::widePath(from).c_str(), WindowsCalls::widePath(to).c_str(), MOVEFILE_WRITE_THROUGH))
        return Result::made(Outcome::Done);
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
        return Result::made(Outcome::NameTaken);
    return failed(error);
}

Result writeAll(QFile &file, const char *data, qint64 size)
{
    if (file.write(data, size) != size)
        return Result::failure(file.errorString());
    return Result::made(Outcome::Done);
}

QByteArray bytesOf(const std::filesystem::path &path)
{
    return QDir::fromNativeSeparators(QString::fromStdWString(path.native())).toUtf8();
}

std::filesystem::path pathOf(const QByteArray &bytes)
{
    return std::filesystem::path(QString::fromUtf8(bytes).toStdWString());
}

// Windows names files in UTF-16, all of which UTF-8 carries; the ANSI code page of QFile::encodeName would not.
QByteArray encodeName(const QString &path)
{
    return path.toUtf8();
}

QString decodeName(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes);
}

bool isReadable(const QByteArray &path)
{
    const QString name = QString::fromUtf8(path);
    if (QFileInfo(name).isDir())
        return QDir(name).isReadable();
    return QFile(name).open(QIODevice::ReadOnly);
}

} // namespace FileOps
