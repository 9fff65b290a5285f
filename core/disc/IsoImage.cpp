#include "core/disc/IsoImage.h"

#include "core/disc/OwnData.h"
#include "core/disc/RootWalk.h"
#include "core/disc/XorrisoMessages.h"
#include "core/generate/BuildChecks.h"
#include "core/model/PathMapping.h"
#include "core/platform/FileOps.h"
#include "core/platform/Processes.h"
#include "core/platform/TemporaryFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>


namespace {

constexpr int labelLength = 32;

QString missingProgram()
{
    return Processes::xorrisoMissing();
}

// A path as a pattern for xorriso's -m that matches only itself: the pattern characters stand in brackets, and a
// byte that is not UTF-8 (which no argument can carry) is matched by "?".
QString literalPattern(const QByteArray &path)
{
    static const QRegularExpression shownByte(QStringLiteral("\\\\x[0-9A-F]{2}"));
    const QString shown = RootWalk::shown(path).replace(shownByte, QStringLiteral("\x01"));
    QString pattern;
    for (const QChar c : shown) {
        if (c == QChar(0x01))
            pattern += QLatin1Char('?');
        else if (QStringLiteral("*?[]\\").contains(c))
            pattern += QLatin1Char('[') + c + QLatin1Char(']');
        else
            pattern += c;
    }
    return pattern;
}

} // namespace

QString IsoImage::findProgram(const QString &program)
{
    return Processes::findHelper(program);
}

QStringList IsoImage::excludedPaths(const QString &rootFolder, const QString &dataHome)
{
    QStringList excluded;
    const bool holdsOwnData = !dataHome.isEmpty() && OwnData::isInside(dataHome, rootFolder);
    RootWalk(rootFolder).run([&](const RootItem &item) {
        if ((item.link != RootItem::Link::None && item.link != RootItem::Link::Inside) ||
            item.type == RootItem::Type::Special ||
            (holdsOwnData && OwnData::holds(dataHome, QFile::decodeName(item.path))))
            excluded.append(literalPattern(item.path));
        return true;
    });
    return excluded;
}

QStringList IsoImage::imageArguments(const QString &rootFolder, const QString &title, const QStringList &excluded)
{
    // Level 3 lets a file of 4 GB or more onto a DVD; -r records Rock Ridge with permissions any reader may use; -f
    // puts what a link points to on the disc, since Joliet (what Windows reads) has no links.
    QStringList arguments = {QStringLiteral("-as"), QStringLiteral("mkisofs"), QStringLiteral("-iso-level"),
                             QStringLiteral("3"),   QStringLiteral("-J"),      QStringLiteral("-r"),
                             QStringLiteral("-f"),  QStringLiteral("-V"),      volumeLabel(title)};
    for (const QString &pattern : excluded)
        arguments << QStringLiteral("-m") << pattern;
    return arguments << rootFolder;
}

StepValue<qint64> IsoImage::printSize(const QString &program, const QString &rootFolder, const QString &title,
                                      const QString &dataHome, const std::function<bool()> &keepGoing)
{
    const QString found = findProgram(program);
    if (found.isEmpty())
        return StepValue<qint64>::failure(missingProgram());
    const QString root = QFileInfo(rootFolder).canonicalFilePath();
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    QStringList arguments = imageArguments(root, title, excludedPaths(root, dataHome));
    arguments.insert(2, QStringLiteral("-print-size"));
    Processes::tieToThisProcess(process);
    process.start(found, arguments);
    if (!process.waitForStarted(30000))
        return StepValue<qint64>::failure(
            QCoreApplication::translate("DiscImage", "xorriso could not be started: %1").arg(process.errorString()));
    Processes::started(process);
    while (!process.waitForFinished(100)) {
        if (process.state() == QProcess::NotRunning)
            break;
        if (keepGoing && !keepGoing()) {
            process.kill();
            process.waitForFinished(5000);
            return StepValue<qint64>::failure(QStringLiteral("stopped"));
        }
    }
    bool ok = false;
    const QList<QByteArray> lines = process.readAllStandardOutput().trimmed().split('\n');
    const qint64 sectors = lines.last().trimmed().toLongLong(&ok);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 || !ok || sectors <= 0) {
        QStringList reasons;
        for (const QByteArray &line : process.readAllStandardError().split('\n'))
            if (XorrisoMessages::isReason(QString::fromLocal8Bit(line)))
                reasons.append(QString::fromLocal8Bit(line).trimmed());
        return StepValue<qint64>::failure(
            QCoreApplication::translate("DiscImage", "xorriso could not tell the image's size. %1")
                .arg(reasons.join(QLatin1Char(' '))));
    }
    return StepValue<qint64>::made(sectors);
}

IsoImage::IsoImage(QObject *parent) : QObject(parent) {}

IsoImage::~IsoImage()
{
    if (!m_process)
        return;
    m_process->disconnect(this);
    m_process->kill();
    m_process->waitForFinished(5000);
    QFile::remove(m_temporary);
}

QString IsoImage::volumeLabel(const QString &title)
{
    // Accented letters keep their base letter; anything else a label cannot hold becomes "_", once per run.
    const QString plain = title.normalized(QString::NormalizationForm_KD).toUpper();
    QString label;
    for (const QChar c : plain) {
        if (c.isMark())
            continue;
        const ushort u = c.unicode();
        if ((u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9'))
            label.append(c);
        else if (!label.isEmpty() && !label.endsWith(QLatin1Char('_')))
            label.append(QLatin1Char('_'));
    }
    label = label.left(labelLength);
    while (label.endsWith(QLatin1Char('_')))
        label.chop(1);
    return label.isEmpty() ? QStringLiteral("MENU") : label;
}

QString IsoImage::defaultImagePath(const QString &rootFolder, const QString &title)
{
    QString name;
    for (const QChar c : title.simplified())
        name.append(c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c) ? QLatin1Char('_') : c);
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    name = name.trimmed();
    if (name.isEmpty())
        name = QStringLiteral("Menu");
    const QFileInfo root(QDir::cleanPath(rootFolder));
    return PathMapping::rootPathFor(root.absolutePath()) + name + QStringLiteral(".iso");
}

StepResult IsoImage::start(const QString &rootFolder, const QString &title, const QString &target)
{
    const StepResult started = launch(rootFolder, title, target);
    // Until the image is complete, the result says it is not.
    m_result = started ? StepResult::failure(QString()) : started;
    return started;
}

StepResult IsoImage::launch(const QString &rootFolder, const QString &title, const QString &target)
{
    m_cancelled = false;
    m_percent = -1;
    m_messages.clear();
    if (m_process)
        return StepResult::failure(QCoreApplication::translate("DiscImage", "A disc image is already being made."));
    const QString root = QDir::cleanPath(QFileInfo(rootFolder).absoluteFilePath());
    m_target = QDir::cleanPath(QFileInfo(target).absoluteFilePath());
    if (!QFileInfo(root).isDir())
        return StepResult::failure(BuildChecks::notAFolderText(root));
    // Through links, the target's folder may be inside the root under another name.
    const QString realRoot = QFileInfo(root).canonicalFilePath();
    const QString realFolder = QFileInfo(QFileInfo(m_target).absolutePath()).canonicalFilePath();
    const bool inside =
        m_target.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/')) ||
        (!realFolder.isEmpty() &&
         (realFolder == realRoot ||
          realFolder.startsWith(realRoot.endsWith(QLatin1Char('/')) ? realRoot : realRoot + QLatin1Char('/'))));
    if (inside)
        return StepResult::failure(
            QCoreApplication::translate("DiscImage",
                                        "The image %1 cannot be written inside the CD root %2, which it would hold.")
                .arg(PathMapping::shown(m_target), PathMapping::shown(root)));
    if (const StepResult own = OwnData::checkTarget(m_dataHome, m_target); !own)
        return own;
    if (QFileInfo(m_target).isDir())
        return StepResult::failure(
            QCoreApplication::translate("DiscImage", "%1 is a folder.").arg(PathMapping::shown(m_target)));
    const QString program = findProgram(m_program);
    if (program.isEmpty())
        return StepResult::failure(missingProgram());

    const QFileInfo targetInfo(m_target);
    // What images stopped by a kill or a power cut left beside the target goes first.
    TemporaryFiles::removeStale(targetInfo.absolutePath());
    // The image grows under a hidden name of its own, which a later image can tell for Velmora's. The name is short,
    // so that it fits wherever the target's name does.
    QFile temporary(TemporaryFiles::nameFor(targetInfo.absolutePath(), QStringLiteral("image.iso")));
    if (!temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return StepResult::failure(QCoreApplication::translate("DiscImage", "Cannot write into the folder %1: %2")
                                       .arg(PathMapping::shown(targetInfo.absolutePath()), temporary.errorString()));
    m_temporary = temporary.fileName();
    temporary.close();

    m_process = new QProcess(this);
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setStandardOutputFile(QProcess::nullDevice());
    connect(m_process, &QProcess::readyReadStandardError, this, &IsoImage::readOutput);
    connect(m_process, &QProcess::finished, this, &IsoImage::processFinished);
    connect(m_process, &QProcess::errorOccurred, this, &IsoImage::processFailed);
    // xorriso ends with Velmora, however Velmora ends.
    Processes::tieToThisProcess(*m_process);
    connect(m_process, &QProcess::started, this, [this] { Processes::started(*m_process); });
    const QString realRootPath = QFileInfo(root).canonicalFilePath();
    QStringList arguments = imageArguments(realRootPath, title, excludedPaths(realRootPath, m_dataHome));
    arguments.insert(arguments.size() - 1, QStringLiteral("-o"));
    arguments.insert(arguments.size() - 1, m_temporary);
    m_process->start(program, arguments);
    return StepResult::success();
}

StepResult IsoImage::run(const QString &rootFolder, const QString &title, const QString &target)
{
    const StepResult started = start(rootFolder, title, target);
    return started ? wait() : started;
}

StepResult IsoImage::wait()
{
    QEventLoop loop;
    connect(this, &IsoImage::finished, &loop, &QEventLoop::quit);
    if (m_process)
        loop.exec();
    return m_result;
}

void IsoImage::cancel()
{
    if (!m_process)
        return;
    m_cancelled = true;
    m_process->kill();
}

void IsoImage::readOutput()
{
    static const QRegularExpression done(QStringLiteral("UPDATE\\s*:\\s*([0-9]+(?:\\.[0-9]+)?)%\\s*done"));
    for (const QString &line : m_messages.add(m_process->readAllStandardError())) {
        const QRegularExpressionMatch match = done.match(line);
        if (match.hasMatch()) {
            const int percent = qBound(0, int(match.captured(1).toDouble()), 100);
            if (percent != m_percent) {
                m_percent = percent;
                emit progress(percent);
            }
        }
    }
}

void IsoImage::processFinished(int exitCode, QProcess::ExitStatus status)
{
    readOutput();
    if (m_cancelled)
        return finish(false, QCoreApplication::translate("DiscImage", "Making the disc image was cancelled."));
    if (status != QProcess::NormalExit || exitCode != 0) {
        return finish(
            false, QCoreApplication::translate("DiscImage", "xorriso could not make the disc image (exit code %1).\n%2")
                       .arg(exitCode)
                       .arg(m_messages.why()));
    }
    // The placeholder was made private to this user; the image gets the earlier image's permissions, or a file's usual.
    const QFileInfo earlier(m_target);
    QFile::setPermissions(m_temporary, earlier.exists() ? earlier.permissions()
                                                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                              QFile::ReadOther);
    const FileOps::Result named = FileOps::replaceName(m_temporary, m_target);
    if (!named.ok)
        return finish(false, QCoreApplication::translate("DiscImage", "Cannot name the disc image %1: %2")
                                 .arg(PathMapping::shown(m_target), named.error));
    if (m_percent != 100)
        emit progress(100);
    finish(true, {});
}

void IsoImage::processFailed(QProcess::ProcessError error)
{
    // A crash or a kill also ends in finished(); only a program that never ran ends here alone.
    if (error == QProcess::FailedToStart)
        finish(
            false,
            QCoreApplication::translate("DiscImage", "xorriso could not be started: %1").arg(m_process->errorString()));
}

void IsoImage::finish(bool ok, const QString &error)
{
    if (!m_process)
        return;
    m_process->disconnect(this);
    m_process->deleteLater();
    m_process = nullptr;
    if (!ok && !m_temporary.isEmpty())
        QFile::remove(m_temporary);
    m_temporary.clear();
    m_result = ok ? StepResult::success() : StepResult::failure(error);
    emit finished(ok);
}
