#include "core/platform/PathKind.h"

#include <QFile>
#include <filesystem>
#include <system_error>

PathKind pathKind(const QString &path)
{
    namespace fs = std::filesystem;
#ifdef Q_OS_WIN
    const fs::path native(path.toStdWString());
#else
    const fs::path native(QFile::encodeName(path).toStdString()); // the file system's own bytes, whatever the locale
#endif
    std::error_code error;
    const fs::file_status own = fs::symlink_status(native, error);
    if (error || !fs::exists(own))
        return PathKind::Missing;
    const fs::file_status status = fs::status(native, error);
    if (error == std::errc::too_many_symbolic_link_levels)
        return PathKind::LinkLoop;
    if (error || !fs::exists(status))
        return PathKind::BrokenLink;
    if (fs::is_directory(status))
        return PathKind::Folder;
    return fs::is_regular_file(status) ? PathKind::File : PathKind::Other;
}
