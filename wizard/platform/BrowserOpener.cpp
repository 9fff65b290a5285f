#include "wizard/platform/BrowserOpener.h"

#include "wizard/Notices.h"
#include "core/platform/SystemPlaces.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTimer>
#include <QUrl>

namespace {

// How long a failure of the opener still counts as one: after that a browser is running.
constexpr int watchMilliseconds = 10000;

// What xdg-open's exit codes mean, for when it says nothing itself.
QString exitReason(int code)
{
    switch (code) {
    case 2:
        return QCoreApplication::translate("Finish", "the page was not found");
    case 3:
        return QCoreApplication::translate("Finish", "no browser or opener program is installed");
    case 4:
        return QCoreApplication::translate("Finish", "the browser could not be started");
    default:
        return QCoreApplication::translate("Finish", "the opener ended with code %1").arg(code);
    }
}

} // namespace

BrowserOpener::BrowserOpener(Notices &notices, QObject *parent)
    : QObject(parent), m_notices(notices), m_program(SystemPlaces::pageOpener())
{}

QString BrowserOpener::failureText(const QString &file, const QString &reason)
{
    return QCoreApplication::translate("Finish", "The menu page %1 could not be opened in a browser: %2.")
        .arg(QDir::toNativeSeparators(file), reason);
}

void BrowserOpener::open(const QString &file)
{
    if (m_program.isEmpty()) {
        // Elsewhere the desktop service opens it and says only whether it could.
        const bool opened = QDesktopServices::openUrl(QUrl::fromLocalFile(file));
        if (!opened)
            m_notices.information(
                failureText(file, QCoreApplication::translate("Finish", "the system has no program for it")));
        emit done(!opened);
        return;
    }
    auto *process = new QProcess(this);
    process->setProgram(m_program);
    process->setArguments({file});
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->setStandardOutputFile(QProcess::nullDevice());
    auto *watch = new QTimer(process);
    watch->setSingleShot(true);
    const auto report = [this, process, watch, file](const QString &reason) {
        watch->stop();
        process->disconnect(this);
        if (!reason.isEmpty())
            m_notices.information(failureText(file, reason));
        emit done(!reason.isEmpty());
    };
    connect(process, &QProcess::errorOccurred, this, [process, report](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            report(QCoreApplication::translate("Finish", "%1 could not be started (%2)")
                       .arg(process->program(), process->errorString()));
            process->deleteLater();
        }
    });
    connect(process, &QProcess::finished, this, [process, report](int code, QProcess::ExitStatus status) {
        QString reason;
        if (status != QProcess::NormalExit) {
            reason = QCoreApplication::translate("Finish", "%1 ended unexpectedly").arg(process->program());
        } else if (code != 0) {
            const QString said = QString::fromLocal8Bit(process->readAllStandardError()).simplified();
            reason = said.isEmpty() ? exitReason(code) : said;
            if (reason.endsWith(QLatin1Char('.')))
                reason.chop(1);
        }
        report(reason);
        process->deleteLater();
    });
    // A browser started in the foreground keeps the opener running: from then on the page is open.
    connect(watch, &QTimer::timeout, this, [report] { report({}); });
    watch->start(watchMilliseconds);
    process->start();
}
