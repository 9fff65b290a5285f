#pragma once

#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

// FAT32 file-system images made with mkfs.vfat and read with mtools, without mounting them.
namespace FatImage {

inline bool available()
{
    return !QStandardPaths::findExecutable("mkfs.vfat").isEmpty() &&
           !QStandardPaths::findExecutable("mkfs.vfat", {"/sbin", "/usr/sbin"}).isEmpty() &&
           !QStandardPaths::findExecutable("mcopy").isEmpty();
}

inline QString mkfs()
{
    const QString found = QStandardPaths::findExecutable("mkfs.vfat");
    return found.isEmpty() ? QStandardPaths::findExecutable("mkfs.vfat", {"/sbin", "/usr/sbin"}) : found;
}

inline QByteArray mtools(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("MTOOLS_SKIP_CHECK", "1");
    environment.insert("LC_ALL", "C.UTF-8");
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(60000);
    if (exitCode)
        *exitCode = process.exitCode();
    return process.readAllStandardOutput();
}

// A new FAT32 image of the given size in MiB.
inline void make(const QString &image, int mebibytes)
{
    QFile file(image);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(qint64(mebibytes) << 20));
    file.close();
    QProcess process;
    process.start(mkfs(), {"-F", "32", "-n", "STICK", image});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
}

// Every file of the image by its path, "/" separated, with its bytes.
inline QMap<QString, QByteArray> files(const QString &image)
{
    QMap<QString, QByteArray> found;
    const QString listing = QString::fromUtf8(mtools("mdir", {"-i", image, "-a", "-/", "-b", "::/"}));
    for (QString line : listing.split('\n', Qt::SkipEmptyParts)) {
        line = line.trimmed();
        if (line.endsWith('/'))
            continue;
        int code = 0;
        const QByteArray bytes = mtools("mtype", {"-i", image, line}, &code);
        if (code == 0)
            found.insert(line.mid(3), bytes);
    }
    return found;
}

} // namespace FatImage
