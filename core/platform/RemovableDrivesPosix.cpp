#include "core/platform/RemovableDrives.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStorageInfo>

namespace RemovableDrives {

#ifdef Q_OS_LINUX

namespace {

// The whole disk a partition belongs to, in /sys/class/block: sdb for sdb1.
QString sysfsDisk(const QString &device)
{
    const QString block = QStringLiteral("/sys/class/block/") + QFileInfo(device).fileName();
    if (QFileInfo::exists(block + QStringLiteral("/partition")))
        return QFileInfo(QFileInfo(block).canonicalFilePath()).absolutePath();
    return QFileInfo(block).canonicalFilePath();
}

bool isRemovable(const QString &device)
{
    if (!device.startsWith(QLatin1String("/dev/")))
        return false;
    const QString disk = sysfsDisk(device);
    if (disk.isEmpty())
        return false;
    QFile removable(disk + QStringLiteral("/removable"));
    // Many USB disks call themselves fixed; the bus they hang on tells.
    const bool flagged = removable.open(QIODevice::ReadOnly) && removable.readAll().trimmed() == "1";
    return flagged || disk.contains(QLatin1String("/usb"));
}

QString diskDevice(const QString &device)
{
    const QString disk = sysfsDisk(device);
    return disk.isEmpty() ? device : QStringLiteral("/dev/") + QFileInfo(disk).fileName();
}

StepResult runUdisks(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(10000) || !process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(2000);
        return StepResult::failure(
            QCoreApplication::translate("DriveCopy", "udisksctl did not answer: %1").arg(process.errorString()));
    }
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return StepResult::success();
    const QString said =
        QString::fromLocal8Bit(process.readAllStandardError() + process.readAllStandardOutput()).trimmed();
    if (said.contains(QLatin1String("busy"), Qt::CaseInsensitive))
        return StepResult::failure(QCoreApplication::translate(
            "DriveCopy", "The drive is busy: a program still uses a file on it. Close that program and eject again."));
    return StepResult::failure(
        QCoreApplication::translate("DriveCopy", "The drive could not be ejected: %1").arg(said));
}

} // namespace

QList<RemovableDrive> mounted()
{
    QList<RemovableDrive> drives;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString device = QString::fromLocal8Bit(volume.device());
        if (!volume.isValid() || !volume.isReady() || volume.isReadOnly() || !isRemovable(device))
            continue;
        drives.append({volume.rootPath(), volume.name(), device, QString::fromLatin1(volume.fileSystemType()),
                       volume.bytesAvailable()});
    }
    return drives;
}

StepResult eject(const RemovableDrive &drive)
{
    const QString udisks = QStandardPaths::findExecutable(QStringLiteral("udisksctl"));
    if (udisks.isEmpty())
        return StepResult::failure(QCoreApplication::translate(
            "DriveCopy", "udisksctl was not found (package udisks2): unmount the drive in the file manager."));
    const StepResult unmounted = runUdisks(udisks, {QStringLiteral("unmount"), QStringLiteral("--no-user-interaction"),
                                                    QStringLiteral("-b"), drive.device});
    if (!unmounted)
        return unmounted;
    // Powering off is a courtesy: the drive is safe to pull once unmounted, and some readers cannot be powered off.
    runUdisks(udisks, {QStringLiteral("power-off"), QStringLiteral("--no-user-interaction"), QStringLiteral("-b"),
                       diskDevice(drive.device)});
    return StepResult::success();
}

#else

QList<RemovableDrive> mounted()
{
    return {};
}

StepResult eject(const RemovableDrive &)
{
    return StepResult::failure(QCoreApplication::translate(
        "DriveCopy", "Ejecting is not available here: eject the drive in the file manager."));
}

#endif

RemovableDrive holding(const QString &path)
{
    const QString real = QFileInfo(path).canonicalFilePath();
    if (real.isEmpty())
        return {};
    for (const RemovableDrive &drive : mounted()) {
        const QString root = QFileInfo(drive.root).canonicalFilePath();
        if (root.isEmpty())
            continue;
        if (real == root || real.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/')))
            return drive;
    }
    return {};
}

} // namespace RemovableDrives
