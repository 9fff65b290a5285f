#pragma once

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

// Reading a folder and a disc image back, to compare them.
namespace DiscFiles {

// Every file below folder, by its path from there ("/" separated), with its size.
inline QMap<QString, qint64> folderFiles(const QString &folder)
{
    QMap<QString, qint64> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        files.insert(QDir(folder).relativeFilePath(it.filePath()), it.fileInfo().size());
    }
    return files;
}

inline QString xorriso(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xorriso"), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

// Every file of the image with its size, as xorriso lists them (it quotes names in '', an apostrophe as '"'"').
// Commands before -indev choose the tree read: Rock Ridge unless told otherwise.
inline QMap<QString, qint64> imageFiles(const QString &image, const QStringList &reading = {})
{
    QMap<QString, qint64> files;
    static const QRegularExpression line(QStringLiteral("^-\\S+\\s+\\d+\\s+\\S+\\s+\\S+\\s+(\\d+)\\s.*'/(.*)'$"));
    const QString listing =
        xorriso(reading + QStringList{QStringLiteral("-indev"), image, QStringLiteral("-find"), QStringLiteral("/"),
                                      QStringLiteral("-exec"), QStringLiteral("lsdl")});
    for (const QString &text : listing.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = line.match(text);
        if (match.hasMatch())
            files.insert(match.captured(2).replace(QStringLiteral("'\"'\"'"), QStringLiteral("'")),
                         match.captured(1).toLongLong());
    }
    return files;
}

inline QString volumeId(const QString &image)
{
    static const QRegularExpression id(QStringLiteral("Volume Id\\s*:\\s*(\\S*)"));
    return id.match(xorriso({QStringLiteral("-indev"), image, QStringLiteral("-pvd_info")})).captured(1);
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace DiscFiles
