#include "core/platform/PathKind.h"

#include "core/platform/FileOps.h"

#include <filesystem>
#include <system_error>

PathKind pathKind(const QString &path)
{
    namespace fs = std::filesystem;
    const fs::path native = FileOps::pathOf(FileOps::encodeName(path));
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
