#include "app/DiscCommands.h"

#include "app/ConsoleText.h"

#include "core/data/DataHome.h"
#include "core/data/MenuReader.h"
#include "core/data/MenuStore.h"
#include "core/disc/DiscCheck.h"
#include "core/disc/FolderFill.h"
#include "core/disc/IsoImage.h"
#include "core/generate/BuildChecks.h"
#include "core/generate/MenuFolder.h"
#include "core/generate/StoredSnapshot.h"
#include "core/model/PathMapping.h"
#include "core/platform/PathKind.h"
#include "core/platform/Processes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <new>

namespace {

const QString categoryOption = QStringLiteral("category");
const QString outputOption = QStringLiteral("o");

} // namespace

void DiscCommands::addOptions(QCommandLineParser &parser)
{
    parser.addOption({categoryOption,
                      QCoreApplication::translate("CommandLine", "add: put every new entry in this category."),
                      QStringLiteral("TEXT")});
    parser.addOption({{outputOption, QStringLiteral("output")},
                      QCoreApplication::translate(
                          "CommandLine", "iso: write the image to FILE (default: the menu title with .iso beside the "
                                         "CD root)."),
                      QStringLiteral("FILE")});
}

QString DiscCommands::helpLines()
{
    return QCoreApplication::translate("CommandLine", "add MENUID PATH...  add entries for the files given\n"
                                                      "check MENUID        report what would spoil the disc\n"
                                                      "iso MENUID          write a disc image of the CD root");
}

bool DiscCommands::handles(const QString &command)
{
    return command == QLatin1String("add") || command == QLatin1String("check") || command == QLatin1String("iso");
}

StepResult DiscCommands::parse(const QString &command, const QStringList &arguments, const QCommandLineParser &parser)
{
    m_command = command;
    m_paths = arguments.mid(1);
    if (parser.isSet(categoryOption))
        m_category = parser.value(categoryOption);
    m_output = parser.value(outputOption);

    const bool add = command == QLatin1String("add");
    const QString usage =
        add ? QCoreApplication::translate("CommandLine",
                                          "add takes the number of the menu and one or more files or folders.")
            : QCoreApplication::translate("CommandLine",
                                          "%1 takes one argument, the number of the menu (see 'velmora list').")
                  .arg(command);
    if (arguments.isEmpty() || m_paths.isEmpty() != !add)
        return StepResult::failure(usage);
    const StepValue<qint64> number = ConsoleText::menuNumber(arguments.first(), usage);
    if (!number)
        return number;
    m_menuId = number.value;
    // An empty category would be stored as the word that means "none".
    if (m_category && m_category->trimmed().isEmpty())
        return StepResult::failure(
            QCoreApplication::translate("CommandLine", "--category needs a text, the category of the new entries."));
    return optionsFit(command, parser);
}

StepResult DiscCommands::optionsFit(const QString &command, const QCommandLineParser &parser)
{
    if (parser.isSet(categoryOption) && command != QLatin1String("add"))
        return StepResult::failure(QCoreApplication::translate("CommandLine", "--category is an option of add."));
    if (parser.isSet(outputOption) && command != QLatin1String("iso"))
        return StepResult::failure(QCoreApplication::translate("CommandLine", "-o is an option of iso."));
    return StepResult::success();
}

int DiscCommands::run(const QString &home, QTextStream &out, QTextStream &err) const
{
    if (m_command == QLatin1String("add"))
        return add(home, out, err);
    if (m_command == QLatin1String("check"))
        return check(home, out, err);
    return iso(home, out, err);
}

std::optional<StoredSnapshot> DiscCommands::storedMenu(MenuStore &data, QTextStream &err) const
{
    StepValue<StoredSnapshot> menu;
    {
        MenuReader reader(data); // read, then let go, so that add can write
        menu = StoredSnapshot::load(reader, m_menuId);
    }
    if (menu && !QFileInfo(menu.value.rootFolder).isDir())
        menu = StepValue<StoredSnapshot>::failure(
            pathKind(menu.value.rootFolder) == PathKind::Missing
                ? QCoreApplication::translate("CommandLine", "The CD root folder %1 of menu %2 does not exist.")
                      .arg(PathMapping::shown(menu.value.rootFolder))
                      .arg(m_menuId)
                : BuildChecks::notAFolderText(menu.value.rootFolder));
    if (!menu) {
        err << ConsoleText::message(menu.error) << Qt::endl;
        return std::nullopt;
    }
    return menu.value;
}

int DiscCommands::add(const QString &home, QTextStream &out, QTextStream &err) const
{
    MenuStore data(DataHome::databasePath(home));
    const std::optional<StoredSnapshot> menu = storedMenu(data, err);
    if (!menu)
        return 1;
    FolderFill fill(data, m_menuId, menu->rootFolder);
    if (m_category)
        fill.setCategory(*m_category);
    if (StepResult collected = fill.collect(m_paths); !collected) {
        err << ConsoleText::message(collected.error.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))) << Qt::endl;
        err << QCoreApplication::translate("CommandLine", "Nothing was added.") << Qt::endl;
        return 1;
    }
    for (const QString &skipped : fill.skipped())
        err << ConsoleText::message(skipped) << Qt::endl;
    const int stored = fill.store(fill.offered());
    if (stored == fill.offered().size()) {
        for (const FillEntry &entry : fill.offered())
            out << QCoreApplication::translate("CommandLine", "Added %1 as \"%2\" in %3")
                       .arg(ConsoleText::value(entry.link), ConsoleText::value(entry.title),
                            ConsoleText::value(entry.category))
                << Qt::endl;
    } else {
        out << QCoreApplication::translate("CommandLine",
                                           "Added %1 of %2 files; the others were added by another program meanwhile.")
                   .arg(stored)
                   .arg(fill.offered().size())
            << Qt::endl;
    }
    if (fill.offered().isEmpty())
        out << QCoreApplication::translate("CommandLine", "Nothing to add: every file already has an entry.")
            << Qt::endl;
    return 0;
}

int DiscCommands::check(const QString &home, QTextStream &out, QTextStream &err) const
{
    MenuStore data(DataHome::databasePath(home));
    const std::optional<StoredSnapshot> menu = storedMenu(data, err);
    if (!menu)
        return 1;
    for (const QString &note : menu->notes)
        err << ConsoleText::message(note) << Qt::endl;
    DiscCheck check(data, menu->snapshot);
    check.run();
    for (const DiscProblem &problem : check.problems())
        out << ConsoleText::message(problem.text) << Qt::endl;
    for (const QString &note : check.notes())
        out << ConsoleText::message(note) << Qt::endl;
    out << check.size().line() << Qt::endl;
    return check.problems().isEmpty() ? 0 : 1;
}

int DiscCommands::iso(const QString &home, QTextStream &out, QTextStream &err) const
{
    MenuStore data(DataHome::databasePath(home));
    const std::optional<StoredSnapshot> menu = storedMenu(data, err);
    if (!menu)
        return 1;
    const QString target =
        m_output.isEmpty() ? IsoImage::defaultImagePath(menu->rootFolder, menu->snapshot.title) : m_output;
    if (!QFileInfo(MenuFolder::createMenuFile(menu->snapshot.rootPath)).isFile())
        err << QCoreApplication::translate("CommandLine",
                                           "The CD root has no %1 yet: build the menu first ('velmora build %2').")
                   .arg(MenuFolder::pageFileName())
                   .arg(m_menuId)
            << Qt::endl;

    IsoImage image;
    image.setDataHome(home);
    bool progressShown = false;
    QObject::connect(&image, &IsoImage::progress, [&err, &progressShown](int percent) {
        err << '\r' << QCoreApplication::translate("CommandLine", "Making the disc image: %1%").arg(percent)
            << Qt::flush;
        progressShown = true;
    });
    StepResult made;
    try {
        // Ctrl+C, a kill and a closed terminal or console stop xorriso and remove the partial image.
        Processes::StopGuard stopping;
        made = image.start(menu->rootFolder, menu->snapshot.title, target);
        if (made) {
            stopping.watch(image.processId(), image.temporaryPath());
            made = image.wait();
        }
    } catch (const std::bad_alloc &) {
        // What failed after the image was complete and renamed does not undo it.
        made = image.result();
        if (!made)
            throw;
    }
    if (progressShown)
        err << "\n" << Qt::flush;
    if (!made) {
        err << ConsoleText::message(made.error) << Qt::endl;
        return 1;
    }
    out << QCoreApplication::translate("CommandLine", "Wrote %1")
               .arg(ConsoleText::value(PathMapping::shown(QFileInfo(target).absoluteFilePath())))
        << Qt::endl;
    return 0;
}
