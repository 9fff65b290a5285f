#include "app/MediaCommands.h"

#include "core/data/DataHome.h"
#include "core/data/MenuReader.h"
#include "core/data/MenuStore.h"
#include "core/disc/DiscBurn.h"
#include "core/disc/DiscCheck.h"
#include "core/disc/DriveCopy.h"
#include "core/disc/IsoImage.h"
#include "core/generate/MenuFolder.h"
#include "core/generate/StoredSnapshot.h"
#include "core/model/PathMapping.h"
#include "core/platform/Processes.h"
#include "core/platform/RemovableDrives.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString driveOption = QStringLiteral("drive");
const QString simulateOption = QStringLiteral("simulate");
const QString speedOption = QStringLiteral("speed");
const QString noVerifyOption = QStringLiteral("no-verify");
const QString blankOption = QStringLiteral("blank");
const QString ejectOption = QStringLiteral("eject");
const QString toOption = QStringLiteral("to");

QString minutes(int seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / 1e6, 'f', 1);
}

// The sticks and cards that --to could name, one a line after a heading; nothing when none is mounted.
QString drivesOffered()
{
    const QList<RemovableDrive> drives = RemovableDrives::mounted();
    if (drives.isEmpty())
        return {};
    QString offered = QLatin1Char('\n') + QCoreApplication::translate("CommandLine", "Removable drives:");
    for (const RemovableDrive &drive : drives)
        offered += QStringLiteral("\n  %1  %2").arg(QDir::toNativeSeparators(drive.root), drive.shown());
    return offered;
}

} // namespace

void MediaCommands::addOptions(QCommandLineParser &parser)
{
    parser.addOption({driveOption,
                      QCoreApplication::translate("CommandLine", "burn: the drive to burn with (/dev/sr0; stdio:FILE "
                                                                 "writes into a file as if it were a disc)."),
                      QStringLiteral("DEVICE")});
    parser.addOption(
        {simulateOption, QCoreApplication::translate("CommandLine", "burn: go through the burn with the laser off.")});
    parser.addOption({speedOption,
                      QCoreApplication::translate("CommandLine", "burn: write at N times the disc's "
                                                                 "base speed (default: the fastest)."),
                      QStringLiteral("N")});
    parser.addOption({noVerifyOption, QCoreApplication::translate("CommandLine", "burn: do not read the disc back.")});
    parser.addOption(
        {blankOption, QCoreApplication::translate("CommandLine", "burn: erase a rewritable disc that holds data.")});
    parser.addOption({ejectOption, QCoreApplication::translate("CommandLine", "burn, copy: eject the medium at the "
                                                                              "end.")});
    parser.addOption({toOption,
                      QCoreApplication::translate("CommandLine", "copy: the folder (a mounted stick or card) or FAT "
                                                                 "image to copy the CD root onto."),
                      QStringLiteral("FOLDER")});
}

QString MediaCommands::helpLines()
{
    return QCoreApplication::translate("CommandLine", "burn MENUID         burn the CD root onto a disc\n"
                                                      "copy MENUID --to FOLDER\n"
                                                      "                    copy the CD root onto a stick or folder");
}

bool MediaCommands::handles(const QString &command)
{
    return command == QLatin1String("burn") || command == QLatin1String("copy");
}

StepResult MediaCommands::optionsFit(const QString &command, const QCommandLineParser &parser)
{
    const bool burn = command == QLatin1String("burn");
    for (const QString &option : {driveOption, simulateOption, speedOption, noVerifyOption, blankOption}) {
        if (parser.isSet(option) && !burn)
            return StepResult::failure(
                QCoreApplication::translate("CommandLine", "--%1 is an option of burn.").arg(option));
    }
    if (parser.isSet(toOption) && command != QLatin1String("copy"))
        return StepResult::failure(QCoreApplication::translate("CommandLine", "--to is an option of copy."));
    if (parser.isSet(ejectOption) && !handles(command))
        return StepResult::failure(
            QCoreApplication::translate("CommandLine", "--eject is an option of burn and copy."));
    return StepResult::success();
}

StepResult MediaCommands::parse(const QString &command, const QStringList &arguments, const QCommandLineParser &parser)
{
    m_command = command;
    bool ok = arguments.size() == 1;
    if (ok)
        m_menuId = arguments.first().toLongLong(&ok);
    if (!ok)
        return StepResult::failure(
            QCoreApplication::translate("CommandLine",
                                        "%1 takes one argument, the number of the menu (see 'velmora list').")
                .arg(command));
    m_drive = parser.value(driveOption);
    m_simulate = parser.isSet(simulateOption);
    m_verify = !parser.isSet(noVerifyOption);
    m_blank = parser.isSet(blankOption);
    m_eject = parser.isSet(ejectOption);
    m_to = parser.value(toOption);
    if (parser.isSet(speedOption)) {
        m_speed = parser.value(speedOption).toInt(&ok);
        if (!ok || m_speed < 1 || m_speed > 100)
            return StepResult::failure(
                QCoreApplication::translate("CommandLine", "--speed needs a whole number from 1 to 100, such as 8."));
    }
    if (parser.isSet(driveOption) && m_drive.isEmpty())
        return StepResult::failure(
            QCoreApplication::translate("CommandLine", "--drive needs a device, such as /dev/sr0."));
    if (command == QLatin1String("copy") && m_to.isEmpty())
        return StepResult::failure(
            QCoreApplication::translate("CommandLine", "copy needs --to and the folder of the stick or card.") +
            drivesOffered());
    return optionsFit(command, parser);
}

int MediaCommands::run(const QString &home, QTextStream &out, QTextStream &err) const
{
    return m_command == QLatin1String("burn") ? burn(home, out, err) : copy(home, out, err);
}

bool MediaCommands::load(MenuStore &data, StoredSnapshot &menu, QTextStream &err) const
{
    StepValue<StoredSnapshot> loaded;
    {
        MenuReader reader(data);
        loaded = StoredSnapshot::load(reader, m_menuId);
    }
    if (loaded && !QFileInfo(loaded.value.rootFolder).isDir())
        loaded = StepValue<StoredSnapshot>::failure(
            QCoreApplication::translate("CommandLine", "The CD root folder %1 of menu %2 does not exist.")
                .arg(PathMapping::shown(loaded.value.rootFolder))
                .arg(m_menuId));
    if (!loaded) {
        err << loaded.error << Qt::endl;
        return false;
    }
    menu = loaded.value;
    if (!QFileInfo(MenuFolder::createMenuFile(menu.snapshot.rootPath)).isFile())
        err << QCoreApplication::translate("CommandLine",
                                           "The CD root has no %1 yet: build the menu first ('velmora build %2').")
                   .arg(MenuFolder::pageFileName())
                   .arg(m_menuId)
            << Qt::endl;
    return true;
}

int MediaCommands::burn(const QString &home, QTextStream &out, QTextStream &err) const
{
    MenuStore data(DataHome::databasePath(home));
    StoredSnapshot menu;
    if (!load(data, menu, err))
        return 1;

    QString device = m_drive;
    if (device.isEmpty()) {
        const StepValue<QList<OpticalDrive>> found = DiscBurn::drives();
        if (!found) {
            err << found.error << Qt::endl;
            return 1;
        }
        if (found.value.isEmpty()) {
            err << QCoreApplication::translate("CommandLine", "No disc burner was found.") << Qt::endl;
            return 2;
        }
        if (found.value.size() > 1) {
            err << QCoreApplication::translate("CommandLine", "There are several drives; choose one with --drive:")
                << Qt::endl;
            for (const OpticalDrive &drive : found.value)
                err << "  " << drive.device << "  " << drive.name << Qt::endl;
            return 2;
        }
        device = found.value.first().device;
    }

    if (const StepResult own = DiscBurn::checkDevice(device, home); !own) {
        err << own.error << Qt::endl;
        return 1;
    }
    // The same check as Finish's, before anything is written.
    DiscCheck check(data, menu.snapshot);
    check.run();
    if (!check.problems().isEmpty()) {
        for (const DiscProblem &problem : check.problems())
            err << problem.text << Qt::endl;
        err << QCoreApplication::translate("CommandLine", "The disc check found problems; nothing was burned.")
            << Qt::endl;
        return 1;
    }

    const StepValue<OpticalMedium> medium = DiscBurn::medium(device);
    if (!medium) {
        err << medium.error << Qt::endl;
        return 1;
    }
    err << QCoreApplication::translate("CommandLine", "Disc in %1: %2").arg(device, medium.value.shown()) << Qt::endl;
    const StepValue<qint64> sectors =
        IsoImage::printSize(QStringLiteral("xorriso"), menu.rootFolder, menu.snapshot.title, home);
    if (!sectors) {
        err << sectors.error << Qt::endl;
        return 1;
    }
    BurnOptions options;
    options.device = device;
    options.dataHome = home;
    options.speed = m_speed;
    options.simulate = m_simulate;
    options.verify = m_verify;
    options.eject = m_eject;
    const StepValue<OpticalMedium::Verdict> verdict = medium.value.verdictFor(sectors.value);
    if (!verdict) {
        err << verdict.error << Qt::endl;
        return 1;
    }
    if (verdict.value == OpticalMedium::Verdict::BlankFirst) {
        if (!m_blank) {
            err << medium.value.erasingQuestion() << Qt::endl
                << QCoreApplication::translate("CommandLine", "Nothing was written; give --blank to erase it.")
                << Qt::endl;
            return 1;
        }
        options.blank = true;
    }

    DiscBurn burning;
    bool progressShown = false;
    QObject::connect(&burning, &DiscBurn::progress, [&err, &progressShown](const BurnProgress &progress) {
        QString line;
        switch (progress.phase) {
        case BurnProgress::Phase::Blanking:
            line = QCoreApplication::translate("CommandLine", "Erasing the disc: %1%").arg(progress.percent);
            break;
        case BurnProgress::Phase::Writing:
            line = QCoreApplication::translate("CommandLine", "Burning: %1%").arg(progress.percent);
            if (!progress.speed.isEmpty())
                line += QStringLiteral(", ") + progress.speed;
            if (progress.secondsLeft >= 0)
                line += QStringLiteral(", ") +
                        QCoreApplication::translate("CommandLine", "%1 left").arg(minutes(progress.secondsLeft));
            break;
        case BurnProgress::Phase::Verifying:
            line = (progressShown ? QStringLiteral("\n") : QString()) +
                   QCoreApplication::translate("CommandLine", "Reading the disc back");
            break;
        }
        err << '\r' << line << Qt::flush;
        progressShown = true;
    });
    const StepResult burned = burning.run(menu.rootFolder, menu.snapshot.title, options);
    if (progressShown)
        err << "\n" << Qt::flush;
    if (!burned) {
        err << burned.error << Qt::endl;
        return 1;
    }
    if (m_simulate && options.blank)
        out << QCoreApplication::translate("CommandLine", "Simulated erasing the %1 in %2; writing onto a disc that "
                                                          "holds data can be simulated only once it is erased. "
                                                          "Nothing was written.")
                   .arg(medium.value.type, device)
            << Qt::endl;
    else if (m_simulate)
        out << QCoreApplication::translate("CommandLine", "Simulated: the menu (%1 MB) would have been burned onto "
                                                          "the %2 in %3; nothing was written.")
                   .arg(megabytes(sectors.value * 2048), medium.value.type, device)
            << Qt::endl;
    else if (burning.wasVerified())
        out << QCoreApplication::translate("CommandLine", "Burned and verified: %1").arg(device) << Qt::endl;
    else
        out << QCoreApplication::translate("CommandLine", "Burned (not verified): %1").arg(device) << Qt::endl;
    return 0;
}

int MediaCommands::copy(const QString &home, QTextStream &out, QTextStream &err) const
{
    StoredSnapshot menu;
    {
        MenuStore data(DataHome::databasePath(home));
        if (!load(data, menu, err))
            return 1;
    }
    const StepValue<std::shared_ptr<CopyTarget>> target = DriveCopy::targetFor(menu.rootFolder, m_to, home);
    if (!target) {
        err << target.error << Qt::endl;
        return 1;
    }
    DriveCopy copying(menu.rootFolder, *target.value);
    StepResult copied;
    {
        // Ctrl-C, a kill or a closed terminal during a copy: the file being written is dropped, the finished ones stay.
        const Processes::StopNote stopping;
        copying.setKeepGoing([] { return !Processes::StopNote::requested(); });
        if (const StepResult planned = copying.plan(); !planned || !copying.problems().isEmpty()) {
            if (copying.wasCancelled())
                return 1;
            for (const QString &problem : copying.problems())
                err << problem << Qt::endl;
            err << (planned ? QCoreApplication::translate("CommandLine", "Nothing was written.") : planned.error)
                << Qt::endl;
            return 1;
        }
        bool progressShown = false;
        copying.setProgress([&err, &progressShown](const CopyProgress &progress) {
            err << '\r'
                << QCoreApplication::translate("CommandLine", "Copying: %1 of %2 files, %3 of %4 MB")
                       .arg(progress.filesDone)
                       .arg(progress.filesTotal)
                       .arg(megabytes(progress.bytesDone), megabytes(progress.bytesTotal))
                << Qt::flush;
            progressShown = true;
        });
        copied = copying.run();
        if (progressShown)
            err << "\n" << Qt::flush;
        for (const QString &file : copying.written())
            out << QCoreApplication::translate("CommandLine", "Copied %1").arg(file) << Qt::endl;
        if (!copied) {
            err << copied.error << Qt::endl;
            if (copying.wasCancelled())
                err << QCoreApplication::translate("CommandLine", "The files copied so far are complete.") << Qt::endl;
            return 1;
        }
    }
    for (const QString &extra : copying.notInMenu())
        out << QCoreApplication::translate("CommandLine", "Not part of the menu: %1").arg(extra) << Qt::endl;
    out << QCoreApplication::translate("CommandLine", "Copied and verified: %1 files written, %2 unchanged, on %3.")
               .arg(copying.written().size())
               .arg(copying.filesUnchanged())
               .arg(target.value->shown())
        << Qt::endl;
    out << QCoreApplication::translate("CommandLine", "Windows does not start a menu from a USB drive by itself: open "
                                                      "Start.exe or Index.htm on the stick.")
        << Qt::endl;
    if (m_eject) {
        const RemovableDrive drive = RemovableDrives::holding(m_to);
        if (drive.root.isEmpty()) {
            err << QCoreApplication::translate("CommandLine", "%1 is not on a removable drive; there is nothing to "
                                                              "eject.")
                       .arg(PathMapping::shown(m_to))
                << Qt::endl;
            return 1;
        }
        if (const StepResult ejected = RemovableDrives::eject(drive); !ejected) {
            err << ejected.error << Qt::endl;
            return 1;
        }
        out << QCoreApplication::translate("CommandLine", "Ejected %1: the drive can be pulled.").arg(drive.shown())
            << Qt::endl;
    }
    return 0;
}
