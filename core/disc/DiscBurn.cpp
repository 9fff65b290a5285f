#include "core/disc/DiscBurn.h"

#include "core/disc/IsoImage.h"
#include "core/disc/OwnData.h"
#include "core/platform/Processes.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// Runs xorriso to its end for a quick question (the drives, the medium): its messages, or why it could not run.
StepValue<QString> ask(const QString &program, const QStringList &arguments)
{
    const QString found = IsoImage::findProgram(program);
    if (found.isEmpty())
        return StepValue<QString>::failure(Processes::xorrisoMissingToBurn());
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::MergedChannels);
    Processes::tieToThisProcess(process);
    process.start(found, arguments);
    if (!process.waitForStarted(30000))
        return StepValue<QString>::failure(
            QCoreApplication::translate("DiscBurn", "xorriso could not be started: %1").arg(process.errorString()));
    Processes::started(process);
    // Drives may take a while to spin up and report.
    if (!process.waitForFinished(180000)) {
        process.kill();
        process.waitForFinished(5000);
        return StepValue<QString>::failure(QCoreApplication::translate("DiscBurn", "The drive did not answer."));
    }
    return StepValue<QString>::made(QString::fromLocal8Bit(process.readAll()));
}

} // namespace

std::optional<BurnProgress> BurnProgress::parse(const QString &line)
{
    static const QRegularExpression writing(QStringLiteral(
        "UPDATE\\s*:\\s*Writing:\\s*[0-9]+s\\s+([0-9]+(?:\\.[0-9]+)?)%.*?(?:([0-9]+(?:\\.[0-9]+)?x[CDB]))?\\s*$"));
    static const QRegularExpression done(QStringLiteral("UPDATE\\s*:\\s*([0-9]+(?:\\.[0-9]+)?)%\\s*done"));
    static const QRegularExpression blanking(
        QStringLiteral("(?:Blanking|Formatting)\\s*\\(\\s*([0-9]+(?:\\.[0-9]+)?)%\\s*done"));
    BurnProgress progress;
    QRegularExpressionMatch match = writing.match(line);
    if (match.hasMatch()) {
        progress.speed = match.captured(2);
    } else if ((match = done.match(line)).hasMatch()) {
    } else if ((match = blanking.match(line)).hasMatch()) {
        progress.phase = Phase::Blanking;
    } else {
        return std::nullopt;
    }
    progress.percent = qBound(0, int(match.captured(1).toDouble()), 100);
    return progress;
}

DiscBurn::DiscBurn(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<BurnProgress>();
}

DiscBurn::~DiscBurn()
{
    if (!m_process)
        return;
    m_process->disconnect(this);
    m_process->kill();
    m_process->waitForFinished(5000);
}

StepValue<QList<OpticalDrive>> DiscBurn::drives(const QString &program)
{
    const StepValue<QString> listed = ask(program, {QStringLiteral("-devices")});
    if (!listed)
        return StepValue<QList<OpticalDrive>>::failure(listed.error);
    return StepValue<QList<OpticalDrive>>::made(OpticalDrive::parseList(listed.value));
}

StepValue<OpticalMedium> DiscBurn::medium(const QString &device, const QString &program)
{
    const StepValue<QString> told =
        ask(program, {QStringLiteral("-outdev"), device, QStringLiteral("-toc"), QStringLiteral("-tell_media_space")});
    if (!told)
        return StepValue<OpticalMedium>::failure(told.error);
    const OpticalMedium medium = OpticalMedium::parse(told.value);
    if (medium.type.isEmpty()) {
        QStringList reasons;
        for (const QString &line : told.value.split(QLatin1Char('\n')))
            if (XorrisoMessages::isReason(line))
                reasons.append(line.trimmed());
        return StepValue<OpticalMedium>::failure(
            QCoreApplication::translate("DiscBurn", "The drive %1 cannot be read. %2")
                .arg(device, reasons.join(QLatin1Char(' '))));
    }
    return StepValue<OpticalMedium>::made(medium);
}

QStringList DiscBurn::burnArguments(const QString &rootFolder, const QString &title, const BurnOptions &options)
{
    QStringList arguments = {QStringLiteral("-report_about"), QStringLiteral("UPDATE"),  QStringLiteral("-abort_on"),
                             QStringLiteral("FAILURE"),       QStringLiteral("-outdev"), options.device};
    if (options.simulate)
        arguments << QStringLiteral("-dummy") << QStringLiteral("on");
    if (options.speed > 0)
        arguments << QStringLiteral("-speed") << QString::number(options.speed);
    if (options.blank)
        arguments << QStringLiteral("-blank") << QStringLiteral("as_needed");
    // With the laser off the erase leaves the data, and xorriso writes no image over data, not even in a
    // simulation: only the erase can be tried.
    if (options.simulate && options.blank)
        return arguments;
    // The checksums go onto the disc with it, for the check that follows and for any later one.
    arguments << QStringLiteral("-md5") << QStringLiteral("on");
    arguments << IsoImage::imageArguments(rootFolder, title, IsoImage::excludedPaths(rootFolder, options.dataHome));
    // The image's own pacifier tells no speed; xorriso's does.
    return arguments << QStringLiteral("--") << QStringLiteral("-pacifier") << QStringLiteral("xorriso")
                     << QStringLiteral("-commit");
}

StepResult DiscBurn::checkDevice(const QString &device, const QString &dataHome)
{
    const QLatin1String pseudo("stdio:");
    return device.startsWith(pseudo) ? OwnData::checkTarget(dataHome, device.mid(pseudo.size()))
                                     : StepResult::success();
}

StepResult DiscBurn::start(const QString &rootFolder, const QString &title, const BurnOptions &options)
{
    if (m_process)
        return StepResult::failure(QCoreApplication::translate("DiscBurn", "A disc is already being burned."));
    m_cancelled = false;
    m_verified = false;
    m_differing.clear();
    m_result = StepResult::failure(QString());
    m_options = options;
    const QString root = QFileInfo(rootFolder).canonicalFilePath();
    if (root.isEmpty() || !QFileInfo(root).isDir())
        return m_result = StepResult::failure(
                   QCoreApplication::translate("DiscBurn", "The CD root folder %1 does not exist.").arg(rootFolder));
    if (const StepResult device = checkDevice(options.device, options.dataHome); !device)
        return m_result = device;
    m_found = IsoImage::findProgram(m_program);
    if (m_found.isEmpty())
        return m_result = StepResult::failure(Processes::xorrisoMissingToBurn());
    m_phase = options.blank ? BurnProgress::Phase::Blanking : BurnProgress::Phase::Writing;
    const StepResult started = launch(Step::Write, burnArguments(root, title, options));
    if (!started)
        m_result = started;
    return started;
}

StepResult DiscBurn::launch(Step step, const QStringList &arguments)
{
    m_step = step;
    m_messages.clear();
    m_process = new QProcess(this);
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    Processes::tieToThisProcess(*m_process);
    connect(m_process, &QProcess::started, this, [this] { Processes::started(*m_process); });
    connect(m_process, &QProcess::readyRead, this, &DiscBurn::readOutput);
    connect(m_process, &QProcess::finished, this, &DiscBurn::processFinished);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(false, QCoreApplication::translate("DiscBurn", "xorriso could not be started: %1")
                              .arg(m_process->errorString()));
    });
    m_clock.start();
    m_process->start(m_found, arguments);
    return StepResult::success();
}

StepResult DiscBurn::run(const QString &rootFolder, const QString &title, const BurnOptions &options)
{
    const StepResult started = start(rootFolder, title, options);
    return started ? wait() : started;
}

StepResult DiscBurn::wait()
{
    QEventLoop loop;
    connect(this, &DiscBurn::finished, &loop, &QEventLoop::quit);
    if (m_process)
        loop.exec();
    return m_result;
}

void DiscBurn::cancel()
{
    if (!m_process)
        return;
    m_cancelled = true;
    m_process->kill();
}

void DiscBurn::readOutput()
{
    static const QRegularExpression mismatch(QStringLiteral("MD5 MISMATCH: '(.*)'"));
    for (const QString &line : m_messages.add(m_process->readAll())) {
        if (m_step == Step::Verify) {
            const QRegularExpressionMatch differs = mismatch.match(line);
            if (differs.hasMatch() && m_differing.isEmpty())
                m_differing = differs.captured(1);
            continue;
        }
        std::optional<BurnProgress> told = BurnProgress::parse(line);
        if (!told || m_step != Step::Write)
            continue;
        // Blanking ends where writing begins.
        if (told->phase == BurnProgress::Phase::Writing)
            m_phase = BurnProgress::Phase::Writing;
        told->phase = m_phase;
        if (told->percent > 0 && told->phase == BurnProgress::Phase::Writing)
            told->secondsLeft = int(m_clock.elapsed() / 1000 * (100 - told->percent) / told->percent);
        emit progress(*told);
    }
}

void DiscBurn::processFinished(int exitCode, QProcess::ExitStatus status)
{
    readOutput();
    const bool ok = status == QProcess::NormalExit && exitCode == 0;
    const QString told = m_messages.why();
    m_process->disconnect(this);
    m_process->deleteLater();
    m_process = nullptr;
    if (m_cancelled) {
        return finish(false, QCoreApplication::translate("DiscBurn", "The burn was cancelled. A write-once disc that "
                                                                     "was being written cannot be used again."));
    }
    switch (m_step) {
    case Step::Write:
        if (!ok)
            return finish(false, QCoreApplication::translate("DiscBurn", "xorriso could not burn the disc (exit code "
                                                                         "%1).\n%2")
                                     .arg(exitCode)
                                     .arg(told));
        // A simulation wrote nothing that could be read back.
        if (!m_options.simulate && m_options.verify) {
            emit progress({BurnProgress::Phase::Verifying, 0, QString(), -1});
            launch(Step::Verify, {QStringLiteral("-md5"), QStringLiteral("on"), QStringLiteral("-indev"),
                                  m_options.device, QStringLiteral("-check_md5_r"), QStringLiteral("FAILURE"),
                                  QStringLiteral("/"), QStringLiteral("--"), QStringLiteral("-check_md5"),
                                  QStringLiteral("FAILURE"), QStringLiteral("--")});
            return;
        }
        break;
    case Step::Verify:
        if (!m_differing.isEmpty())
            return finish(false, QCoreApplication::translate("DiscBurn", "The disc does not match what was written: "
                                                                         "%1 differs.")
                                     .arg(m_differing));
        if (!ok)
            return finish(false, QCoreApplication::translate("DiscBurn", "The disc was burned, but it does not read "
                                                                         "back as written.\n%1")
                                     .arg(told));
        m_verified = true;
        break;
    case Step::Eject:
        return finish(true, {});
    }
    if (m_options.eject) {
        launch(Step::Eject,
               {QStringLiteral("-outdev"), m_options.device, QStringLiteral("-eject"), QStringLiteral("all")});
        return;
    }
    finish(true, {});
}

void DiscBurn::finish(bool ok, const QString &error)
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->deleteLater();
        m_process = nullptr;
    }
    m_result = ok ? StepResult::success() : StepResult::failure(error);
    emit finished(ok);
}
