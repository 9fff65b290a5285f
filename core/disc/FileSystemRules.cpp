#include "core/disc/FileSystemRules.h"

#include <QCoreApplication>

namespace {

// FAT32 keeps a file's size in 32 bits.
constexpr qint64 fatLargest = (qint64(1) << 32) - 1;

} // namespace

FileSystemRules::FileSystemRules(const QString &fileSystemType)
{
    const QString type = fileSystemType.toLower();
    if (type == QLatin1String("vfat") || type == QLatin1String("msdos") || type == QLatin1String("fat") ||
        type.startsWith(QLatin1String("fat")) || type == QLatin1String("fuse.fusefat")) {
        m_kind = Kind::Fat;
        m_name = QStringLiteral("FAT32");
    } else if (type.contains(QLatin1String("exfat"))) {
        m_kind = Kind::ExFat;
        m_name = QStringLiteral("exFAT");
    } else if (type.contains(QLatin1String("ntfs")) || type == QLatin1String("fuseblk")) {
        m_kind = Kind::Windows;
        m_name = type == QLatin1String("fuseblk") ? QStringLiteral("NTFS or exFAT") : QStringLiteral("NTFS");
    } else {
        m_kind = Kind::Posix;
        m_name = fileSystemType;
    }
}

StepResult FileSystemRules::checkSize(qint64 bytes) const
{
    if (m_kind != Kind::Fat || bytes <= fatLargest)
        return StepResult::success();
    return StepResult::failure(
        QCoreApplication::translate("DriveCopy", "%1 GB is too large for a FAT32 drive, which holds files under 4 GB")
            .arg(double(bytes) / 1e9, 0, 'f', 1));
}

StepResult FileSystemRules::checkName(const QString &name) const
{
    // A folder on a Linux drive takes any name; whoever copies there means to read it there.
    if (m_kind == Kind::Posix)
        return StepResult::success();
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("\"*/:<>?\\|").contains(c))
            return StepResult::failure(
                QCoreApplication::translate("DriveCopy",
                                            "a %1 drive cannot hold a name with \" * : < > ? \\ | or a control "
                                            "character")
                    .arg(m_name));
    }
    // Windows drops a trailing dot or blank, and then finds no such file.
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return StepResult::failure(
            QCoreApplication::translate("DriveCopy", "Windows cannot open a name that ends in a dot or a blank"));
    return StepResult::success();
}
