#include "core/disc/FatImageTarget.h"

#include "core/model/PathMapping.h"
#include "core/platform/Processes.h"
#include "core/platform/MediaSync.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QString onImage(const QString &relative)
{
    return QStringLiteral("::/") + relative;
}

QString missingTools()
{
    return QCoreApplication::translate("DriveCopy",
                                       "mtools was not found. Please install the mtools package to copy onto a FAT "
                                       "image.");
}

} // namespace

FatImageTarget::FatImageTarget(const QString &imageFile)
    : m_image(QDir::cleanPath(QFileInfo(imageFile).absoluteFilePath()))
{}

StepResult FatImageTarget::probe(const QString &imageFile)
{
    return FatImageTarget(imageFile).ran(QStringLiteral("minfo"), {});
}

FatImageTarget::Run FatImageTarget::run(const QString &program, const QStringList &arguments,
                                        const std::function<void(const QByteArray &)> &sink) const
{
    Run result;
    const QString found = QStandardPaths::findExecutable(program);
    if (found.isEmpty()) {
        result.error = missingTools();
        return result;
    }
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Images made by other tools may not match a floppy's geometry; names are UTF-8 whatever the locale.
    environment.insert(QStringLiteral("MTOOLS_SKIP_CHECK"), QStringLiteral("1"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    Processes::tieToThisProcess(process);
    process.start(found, QStringList{QStringLiteral("-i"), m_image} + arguments);
    if (!process.waitForStarted(30000)) {
        result.error =
            QCoreApplication::translate("DriveCopy", "%1 could not be started: %2").arg(program, process.errorString());
        return result;
    }
    Processes::started(process);
    while (process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(1000);
        const QByteArray got = process.readAllStandardOutput();
        if (sink)
            sink(got);
        else
            result.out += got;
    }
    const QByteArray rest = process.readAllStandardOutput();
    if (sink)
        sink(rest);
    else
        result.out += rest;
    result.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!result.ok)
        result.error = QCoreApplication::translate("DriveCopy", "%1 failed on %2: %3")
                           .arg(program, PathMapping::shown(m_image),
                                QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
    return result;
}

StepResult FatImageTarget::ran(const QString &program, const QStringList &arguments) const
{
    const Run done = run(program, arguments);
    return done.ok ? StepResult::success() : StepResult::failure(done.error);
}

QString FatImageTarget::shown() const
{
    return PathMapping::shown(m_image);
}

qint64 FatImageTarget::bytesFree() const
{
    static const QRegularExpression free(QStringLiteral("^\\s*([0-9 ]+) bytes free"),
                                         QRegularExpression::MultilineOption);
    const Run listed = run(QStringLiteral("mdir"), {onImage(QString())});
    const QRegularExpressionMatch match = free.match(QString::fromUtf8(listed.out));
    return match.hasMatch() ? match.captured(1).remove(QLatin1Char(' ')).toLongLong() : 0;
}

qint64 FatImageTarget::clusterBytes() const
{
    static const QRegularExpression sector(QStringLiteral("sector size: ([0-9]+) bytes"));
    static const QRegularExpression cluster(QStringLiteral("cluster size: ([0-9]+) sectors"));
    const QString info = QString::fromUtf8(run(QStringLiteral("minfo"), {}).out);
    const qint64 bytes = sector.match(info).captured(1).toLongLong() * cluster.match(info).captured(1).toLongLong();
    return bytes > 0 ? bytes : 4096;
}

StepValue<QList<TargetEntry>> FatImageTarget::entries()
{
    // mdir's lines: the short name in twelve columns, the size or <DIR>, date and time, then the long name if any.
    static const QRegularExpression line(QStringLiteral(
        "^(.{8}) (.{3}) +(<DIR>|[0-9]+) +([0-9]{4}-[0-9]{2}-[0-9]{2}) +([0-9]{1,2}:[0-9]{2})(?:  (.*\\S))?\\s*$"));
    const Run listed = run(QStringLiteral("mdir"), {QStringLiteral("-a"), QStringLiteral("-/"), onImage(QString())});
    QList<TargetEntry> found;
    if (!listed.ok) {
        // mdir cannot list an empty image's folders; the top alone says it is empty.
        const Run top = run(QStringLiteral("mdir"), {QStringLiteral("-a"), onImage(QString())});
        if (top.ok && top.out.contains("No files"))
            return StepValue<QList<TargetEntry>>::made(found);
        return StepValue<QList<TargetEntry>>::failure(listed.error);
    }
    QString folder;
    for (const QString &text : QString::fromUtf8(listed.out).split(QLatin1Char('\n'))) {
        if (text.startsWith(QLatin1String("Directory for ::/"))) {
            folder = text.mid(17).trimmed();
            continue;
        }
        const QRegularExpressionMatch match = line.match(text);
        if (!match.hasMatch())
            continue;
        QString name = match.captured(6);
        if (name.isEmpty()) {
            name = match.captured(1).trimmed();
            if (!match.captured(2).trimmed().isEmpty())
                name += QLatin1Char('.') + match.captured(2).trimmed();
        }
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        TargetEntry entry;
        entry.relative = folder.isEmpty() ? name : folder + QLatin1Char('/') + name;
        entry.folder = match.captured(3) == QLatin1String("<DIR>");
        entry.size = entry.folder ? 0 : match.captured(3).toLongLong();
        entry.modified = QDateTime::fromString(match.captured(4) + QLatin1Char(' ') + match.captured(5),
                                               QStringLiteral("yyyy-MM-dd H:mm"));
        found.append(entry);
    }
    return StepValue<QList<TargetEntry>>::made(found);
}

StepResult FatImageTarget::makeFolder(const QString &relative)
{
    return ran(QStringLiteral("mmd"), {QStringLiteral("-D"), QStringLiteral("s"), onImage(relative)});
}

StepValue<QByteArray> FatImageTarget::write(const QString &source, const QString &relative, const QDateTime &,
                                            const Written &written)
{
    using Result = StepValue<QByteArray>;
    QFile from(source);
    QCryptographicHash hash(QCryptographicHash::Md5);
    if (!from.open(QIODevice::ReadOnly) || !hash.addData(&from))
        return Result::failure(QCoreApplication::translate("DriveCopy", "Cannot read %1: %2")
                                   .arg(PathMapping::shown(source), from.errorString()));
    // -m keeps the source's time; -D o replaces a temporary of the same name.
    const Run copied = run(QStringLiteral("mcopy"), {QStringLiteral("-m"), QStringLiteral("-D"), QStringLiteral("o"),
                                                     source, onImage(relative)});
    if (!copied.ok)
        return Result::failure(copied.error);
    if (written && !written(from.size()))
        return Result::failure(QString());
    return Result::made(hash.result());
}

StepValue<QByteArray> FatImageTarget::readBack(const QString &relative)
{
    QCryptographicHash hash(QCryptographicHash::Md5);
    const Run typed =
        run(QStringLiteral("mtype"), {onImage(relative)}, [&hash](const QByteArray &bytes) { hash.addData(bytes); });
    if (!typed.ok)
        return StepValue<QByteArray>::failure(typed.error);
    return StepValue<QByteArray>::made(hash.result());
}

StepResult FatImageTarget::rename(const QString &from, const QString &to)
{
    return ran(QStringLiteral("mmove"), {QStringLiteral("-D"), QStringLiteral("o"), onImage(from), onImage(to)});
}

StepResult FatImageTarget::remove(const QString &relative)
{
    return ran(QStringLiteral("mdel"), {onImage(relative)});
}

StepResult FatImageTarget::flush()
{
    QFile image(m_image);
    if (!image.open(QIODevice::ReadWrite))
        return StepResult::failure(QCoreApplication::translate("DriveCopy", "Cannot write %1: %2")
                                       .arg(PathMapping::shown(m_image), image.errorString()));
    return MediaSync::flushFile(image.handle());
}
