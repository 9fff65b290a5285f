#include "wizard/MediaOutput.h"

#include "core/disc/DiscBurn.h"
#include "core/disc/DriveCopy.h"
#include "core/disc/IsoImage.h"
#include "core/platform/RemovableDrives.h"
#include "wizard/EditState.h"
#include "wizard/MediaDialogs.h"
#include "wizard/MenuOutput.h"
#include "wizard/Notices.h"
#include "wizard/WizardContext.h"
#include "wizard/platform/DiscPrompts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <atomic>

namespace {

QString megabytes(qint64 bytes)
{
    return QCoreApplication::translate("DiscBurn", "%1 MB").arg(double(bytes) / 1e6, 0, 'f', 1);
}

QString burnLine(const BurnProgress &progress)
{
    switch (progress.phase) {
    case BurnProgress::Phase::Blanking:
        return QCoreApplication::translate("DiscBurn", "Erasing the disc: %1%").arg(progress.percent);
    case BurnProgress::Phase::Verifying:
        return QCoreApplication::translate("DiscBurn", "Reading the disc back to verify it…");
    case BurnProgress::Phase::Writing:
        break;
    }
    QString line = QCoreApplication::translate("DiscBurn", "Burning: %1%").arg(progress.percent);
    if (!progress.speed.isEmpty())
        line += QStringLiteral(", ") + progress.speed;
    if (progress.secondsLeft >= 0)
        line += QStringLiteral(", ") + QCoreApplication::translate("DiscBurn", "%1:%2 left")
                                           .arg(progress.secondsLeft / 60)
                                           .arg(progress.secondsLeft % 60, 2, 10, QLatin1Char('0'));
    return line;
}

// Runs one burn with its progress dialog; Cancel asks first, since a stopped burn spoils a write-once disc.
StepResult runBurn(DiscBurn &burn, Notices &notices, const QString &root, const QString &title,
                   const BurnOptions &options, QWidget *parent)
{
    MediaProgress progress(QStringLiteral("dlgBurnProgress"), parent);
    progress.setProgress(options.simulate ? QCoreApplication::translate("DiscBurn", "Simulating the burn…")
                                          : QCoreApplication::translate("DiscBurn", "Burning…"),
                         -1);
    QObject::connect(&burn, &DiscBurn::progress, &progress, [&progress](const BurnProgress &told) {
        progress.setProgress(burnLine(told), told.phase == BurnProgress::Phase::Verifying ? -1 : told.percent);
    });
    QObject::connect(&progress, &MediaProgress::cancelRequested, &progress, [&burn, &notices] {
        if (burn.isRunning() &&
            notices.question(QCoreApplication::translate("DiscBurn", "Stop the burn? A write-once disc that is "
                                                                     "stopped while it is written cannot be used "
                                                                     "again.")))
            burn.cancel();
    });
    progress.show();
    const StepResult burned = burn.run(root, title, options);
    progress.hide();
    return burned;
}

} // namespace

void MediaOutput::burn(const EditState &state, QWidget *parent)
{
    const QString root = MenuOutput::builtRoot(state);
    if (root.isEmpty())
        return;
    Notices &notices = *m_context.notices;
    QList<OpticalDrive> drives;
    for (const QString &device : m_context.burnDrives)
        drives.append({device, QString()});
    if (drives.isEmpty()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const StepValue<QList<OpticalDrive>> found = DiscBurn::drives();
        QApplication::restoreOverrideCursor();
        if (!found)
            return notices.information(found.error);
        drives = found.value;
    }
    if (drives.isEmpty())
        return notices.information(
            QCoreApplication::translate("DiscBurn", "No disc burner was found. Connect one, or make a disc image "
                                                    "(File → Make Disc Image…) and burn it elsewhere."));

    BurnDialog dialog(drives, parent);
    const auto showMedium = [&dialog](const QString &device) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const StepValue<OpticalMedium> medium = DiscBurn::medium(device);
        QApplication::restoreOverrideCursor();
        dialog.showMedium(medium ? medium.value.shown() : medium.error);
    };
    QObject::connect(&dialog, &BurnDialog::driveChosen, &dialog, showMedium);
    showMedium(drives.constFirst().device);
    if (dialog.exec() != QDialog::Accepted)
        return;
    BurnOptions options = dialog.options();
    options.dataHome = m_context.dataHome;

    // The same check as Finish's comes first.
    if (!m_output.checkDisc(state.snapshot(m_context.programFolder)))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const StepValue<OpticalMedium> medium = DiscBurn::medium(options.device);
    const StepValue<qint64> sectors =
        IsoImage::printSize(QStringLiteral("xorriso"), root, state.title, m_context.dataHome);
    QApplication::restoreOverrideCursor();
    if (!medium)
        return notices.information(medium.error);
    if (!sectors)
        return notices.information(sectors.error);
    const StepValue<OpticalMedium::Verdict> verdict = medium.value.verdictFor(sectors.value);
    if (!verdict)
        return notices.information(verdict.error);
    if (verdict.value == OpticalMedium::Verdict::BlankFirst) {
        if (!notices.question(medium.value.erasingQuestion()))
            return;
        options.blank = true;
    }

    DiscBurn burn;
    if (options.simulate) {
        const StepResult simulated = runBurn(burn, notices, root, state.title, options, parent);
        if (burn.wasCancelled())
            return;
        if (!simulated)
            return notices.information(simulated.error);
        const QString went =
            options.blank ? QCoreApplication::translate("DiscBurn", "The erase of the %1 went through; writing onto a "
                                                                    "disc that holds data can be simulated only once "
                                                                    "it is erased. The menu (%2) fits on it. Erase the "
                                                                    "disc and burn now?")
                                .arg(medium.value.type, megabytes(sectors.value * 2048))
                          : QCoreApplication::translate("DiscBurn", "The simulation went through: the menu (%1) fits "
                                                                    "on the %2. Burn the disc now?")
                                .arg(megabytes(sectors.value * 2048), medium.value.type);
        if (!notices.question(went))
            return;
        options.simulate = false;
    }
    const StepResult burned = runBurn(burn, notices, root, state.title, options, parent);
    if (!burned)
        return notices.information(burned.error);
    notices.information(burn.wasVerified()
                            ? QCoreApplication::translate("DiscBurn", "The disc has been burned and verified.")
                            : QCoreApplication::translate("DiscBurn", "The disc has been burned (not verified)."));
}

void MediaOutput::copy(const EditState &state, QWidget *parent)
{
    const QString root = MenuOutput::builtRoot(state);
    if (root.isEmpty())
        return;
    Notices &notices = *m_context.notices;
    QList<RemovableDrive> drives;
    for (const QString &folder : m_context.copyDrives)
        drives.append({folder, QString(), QString(), QString(), 0});
    if (m_context.copyDrives.isEmpty())
        drives = RemovableDrives::mounted();
    CopyDialog dialog(drives, *m_context.discPrompts, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.target().isEmpty())
        return;
    const QString chosen = dialog.target();
    const StepValue<std::shared_ptr<CopyTarget>> target = DriveCopy::targetFor(root, chosen, m_context.dataHome);
    if (!target)
        return notices.information(target.error);

    DriveCopy copying(root, *target.value);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const StepResult planned = copying.plan();
    QApplication::restoreOverrideCursor();
    if (!planned)
        return notices.information(planned.error);
    if (!copying.problems().isEmpty())
        return notices.information(QCoreApplication::translate("DriveCopy",
                                                               "The menu cannot be copied onto %1:\n%2\nNothing was "
                                                               "written.")
                                       .arg(target.value->shown(), copying.problems().join(QLatin1Char('\n'))));

    // The copy runs beside the window, which stays drawn and can take Cancel; the drive's slow flushes do not
    // hold it up.
    std::atomic<bool> stop{false};
    MediaProgress progress(QStringLiteral("dlgCopyProgress"), parent);
    progress.setProgress(QCoreApplication::translate("DriveCopy", "Copying…"), -1);
    copying.setKeepGoing([&stop] { return !stop.load(); });
    copying.setProgress([&progress](const CopyProgress &told) {
        const QString line = QCoreApplication::translate("DriveCopy", "%1 of %2 files, %3 of %4")
                                 .arg(told.filesDone)
                                 .arg(told.filesTotal)
                                 .arg(megabytes(told.bytesDone), megabytes(told.bytesTotal));
        const int percent = told.bytesTotal > 0 ? int(told.bytesDone * 100 / told.bytesTotal) : 100;
        QMetaObject::invokeMethod(
            &progress, [&progress, line, percent] { progress.setProgress(line, percent); }, Qt::QueuedConnection);
    });
    QObject::connect(&progress, &MediaProgress::cancelRequested, &progress, [&stop] { stop = true; });
    StepResult copied;
    std::unique_ptr<QThread> worker(QThread::create([&copying, &copied] { copied = copying.run(); }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    progress.show();
    worker->start();
    loop.exec();
    worker->wait();
    progress.hide();

    if (!copied)
        return notices.information(
            copying.wasCancelled()
                ? QCoreApplication::translate("DriveCopy", "The copy was cancelled. The %1 files copied so far are "
                                                           "complete; nothing half-written is left on the drive.")
                      .arg(copying.written().size())
                : copied.error);
    QString text = QCoreApplication::translate("DriveCopy", "The menu has been copied onto %1 and verified: %2 files "
                                                            "written, %3 unchanged.")
                       .arg(target.value->shown())
                       .arg(copying.written().size())
                       .arg(copying.filesUnchanged());
    if (!copying.notInMenu().isEmpty())
        text += QLatin1Char('\n') + QCoreApplication::translate("DriveCopy", "Not part of the menu: %1")
                                        .arg(copying.notInMenu().join(QStringLiteral(", ")));
    text += QLatin1Char('\n') + QCoreApplication::translate("DriveCopy", "Windows does not start a menu from a USB "
                                                                         "drive by itself: open Start.exe or Index.htm "
                                                                         "on the stick.");
    const RemovableDrive drive = RemovableDrives::holding(chosen);
    if (drive.root.isEmpty())
        return notices.information(text);
    if (!notices.question(text + QLatin1Char('\n') + QCoreApplication::translate("DriveCopy", "Eject the drive now?")))
        return;
    const StepResult ejected = RemovableDrives::eject(drive);
    notices.information(ejected ? QCoreApplication::translate("DriveCopy", "The drive can be pulled now.")
                                : ejected.error);
}
