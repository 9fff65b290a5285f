#include "core/platform/WindowsCalls.h"

#include <QDir>
#include <QFileInfo>

#include <qt_windows.h>

namespace WindowsCalls {

std::wstring widePath(const QString &path)
{
    QString native = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (native.size() >= MAX_PATH - 12 && !native.startsWith(QLatin1String("\\\\")))
        native.prepend(QLatin1String("\\\\?\\"));
    else if (native.size() >= MAX_PATH - 12 && !native.startsWith(QLatin1String("\\\\?\\")))
        native = QLatin1String("\\\\?\\UNC\\") + native.mid(2);
    return native.toStdWString();
}

QString systemMessage(unsigned long error)
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

} // namespace WindowsCalls
