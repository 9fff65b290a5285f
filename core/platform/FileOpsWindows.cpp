#include "core/platform/FileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <qt_windows.h>

namespace FileOps {

namespace {

// A path as the wide calls take it: absolute, with backslashes, and past 260 characters with the "\\?\" prefix
// that lifts the length limit.
std::wstring wide(const QString &path)
{
    QString native = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (native.size() >= MAX_PATH - 12 && !native.startsWith(QLatin1String("\\\\")))
        native.prepend(QLatin1String("\\\\?\\"));
    else if (native.size() >= MAX_PATH - 12 && !native.startsWith(QLatin1String("\\\\?\\")))
        native = QLatin1String("\\\\?\\UNC\\") + native.mid(2);
    return native.toStdWString();
}

QString systemMessage(DWORD error)
{
    wchar_t *text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    QString message = text ? QString::fromWCharArray(text).trimmed() : QStringLiteral("error %1").arg(error);
    LocalFree(text);
    if (message.endsWith(QLatin1Char('.')))
        message.chop(1);
    return message;
}

Result failed(DWORD error = GetLastError())
{
    return Result::failure(systemMessage(error));
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
    if (MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Result::made(Outcome::Done);
    return failed();
}

Result nameWithoutReplacing(const QString &from, const QString &to)
{
    // Without MOVEFILE_REPLACE_EXISTING the move fails when the name is taken, in one step with the check.
    if (MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_WRITE_THROUGH))
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
