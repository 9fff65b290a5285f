#include "core/disc/IsoImage.h"

#include "core/platform/TemporaryFiles.h"
#include "core/generate/PathMapping.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <filesystem>

namespace {

constexpr int labelLength = 32;

QString missingProgram()
{
    return QCoreApplication::translate(
        "DiscImage", "xorriso was not found. Please install the xorriso package to make disc images.");
}

} // namespace

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

bool IsoImage::start(const QString &rootFolder, const QString &title, const QString &target)
{
    m_error.clear();
    m_ok = false;
    m_cancelled = false;
    m_percent = -1;
    m_pending.clear();
    m_lastLines.clear();
    if (m_process) {
        m_error = QCoreApplication::translate("DiscImage", "A disc image is already being made.");
        return false;
    }
    const QString root = QDir::cleanPath(QFileInfo(rootFolder).absoluteFilePath());
    m_target = QDir::cleanPath(QFileInfo(target).absoluteFilePath());
    if (!QFileInfo(root).isDir()) {
        m_error = QCoreApplication::translate("DiscImage", "The CD root folder %1 does not exist.")
                      .arg(PathMapping::shown(root));
        return false;
    }
    if (m_target.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'))) {
        m_error = QCoreApplication::translate(
                      "DiscImage", "The image %1 cannot be written inside the CD root %2, which it would hold.")
                      .arg(PathMapping::shown(m_target), PathMapping::shown(root));
        return false;
    }
    if (QFileInfo(m_target).isDir()) {
        m_error = QCoreApplication::translate("DiscImage", "%1 is a folder.").arg(PathMapping::shown(m_target));
        return false;
    }
    const QString program = QStandardPaths::findExecutable(m_program).isEmpty() && !QFileInfo(m_program).isExecutable()
                                ? QString()
                                : m_program;
    if (program.isEmpty()) {
        m_error = missingProgram();
        return false;
    }

    const QFileInfo targetInfo(m_target);
    // The image grows under a hidden name of its own, which a later build can tell for Velmora's.
    QFile temporary(TemporaryFiles::nameFor(targetInfo.absolutePath(), targetInfo.fileName()));
    if (!temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        m_error = QCoreApplication::translate("DiscImage", "Cannot write into the folder %1: %2")
                      .arg(PathMapping::shown(targetInfo.absolutePath()), temporary.errorString());
        return false;
    }
    m_temporary = temporary.fileName();
    temporary.close();

    m_process = new QProcess(this);
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setStandardOutputFile(QProcess::nullDevice());
    connect(m_process, &QProcess::readyReadStandardError, this, &IsoImage::readOutput);
    connect(m_process, &QProcess::finished, this, &IsoImage::processFinished);
    connect(m_process, &QProcess::errorOccurred, this, &IsoImage::processFailed);
    // Level 3 lets a file of 4 GB or more onto a DVD; -r records Rock Ridge with permissions any reader may use.
    m_process->start(program, {QStringLiteral("-as"), QStringLiteral("mkisofs"), QStringLiteral("-iso-level"),
                               QStringLiteral("3"), QStringLiteral("-J"), QStringLiteral("-r"), QStringLiteral("-V"),
                               volumeLabel(title), QStringLiteral("-o"), m_temporary, root});
    return true;
}

bool IsoImage::run(const QString &rootFolder, const QString &title, const QString &target)
{
    if (!start(rootFolder, title, target))
        return false;
    QEventLoop loop;
    connect(this, &IsoImage::finished, &loop, &QEventLoop::quit);
    if (m_process)
        loop.exec();
    return m_ok;
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
    m_pending += m_process->readAllStandardError();
    int end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const QString line = QString::fromLocal8Bit(m_pending.left(end)).trimmed();
        m_pending.remove(0, end + 1);
        if (line.isEmpty())
            continue;
        m_lastLines.append(line);
        if (m_lastLines.size() > 8)
            m_lastLines.removeFirst();
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
        QStringList problems;
        for (const QString &line : std::as_const(m_lastLines))
            if (line.contains(QLatin1String("FAILURE")) || line.contains(QLatin1String("SORRY")))
                problems.append(line);
        return finish(
            false, QCoreApplication::translate("DiscImage", "xorriso could not make the disc image (exit code %1).\n%2")
                       .arg(exitCode)
                       .arg((problems.isEmpty() ? m_lastLines : problems).join(QLatin1Char('\n'))));
    }
    // The placeholder was made private to this user; the image gets the earlier image's permissions, or a file's usual.
    const QFileInfo earlier(m_target);
    QFile::setPermissions(m_temporary, earlier.exists() ? earlier.permissions()
                                                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                              QFile::ReadOther);
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(m_temporary).toStdString(), QFile::encodeName(m_target).toStdString(),
                            error);
    if (error)
        return finish(false, QCoreApplication::translate("DiscImage", "Cannot name the disc image %1: %2")
                                 .arg(PathMapping::shown(m_target), QString::fromStdString(error.message())));
    if (m_percent != 100)
        emit progress(100);
    finish(true, {});
}

void IsoImage::processFailed(QProcess::ProcessError error)
{
    // A crash or a kill also ends in finished(); only a program that never ran ends here alone.
    if (error == QProcess::FailedToStart)
        finish(false, missingProgram());
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
    m_ok = ok;
    m_error = error;
    emit finished(ok);
}
