#pragma once

#include "core/model/StepResult.h"

#include <QString>

// What a drive's file system can hold, by its type as the system names it ("vfat", "exfat", "ext4"). Names
// that Windows cannot open count as problems on the drives Windows reads.
class FileSystemRules
{
public:
    enum class Kind {
        Posix,   // takes any name and size: only Windows' own limits apply
        Fat,     // FAT12/16/32: files under 4 GiB, no letter case, no " * / : < > ? \ |
        ExFat,   // the same names as FAT, files of any size
        Windows, // NTFS and what may be one behind a FUSE driver: Windows' names, no letter case
    };

    explicit FileSystemRules(const QString &fileSystemType);

    Kind kind() const { return m_kind; }
    // "FAT32", "exFAT", ...: how the user knows it.
    QString name() const { return m_name; }
    // Whether two names that differ only in letter case are one name there.
    bool foldsCase() const { return m_kind != Kind::Posix; }
    // Whether a file of this size can go there; the failure says why not.
    StepResult checkSize(qint64 bytes) const;
    // Whether a file or folder of this name can go there (and opens on Windows); the failure says why not.
    StepResult checkName(const QString &name) const;
    // The time a file keeps there may differ from the source's by this much (FAT keeps even seconds).
    int timeToleranceMs() const { return m_kind == Kind::Fat ? 2000 : m_kind == Kind::Posix ? 0 : 10; }

private:
    Kind m_kind;
    QString m_name;
};
