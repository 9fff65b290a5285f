#include "app/CommandLine.h"

#include "app/ConsoleText.h"

#include "core/about/Translations.h"
#include "core/data/DataError.h"
#include "core/data/DataHome.h"
#include "core/data/DatabaseFile.h"
#include "core/data/MenuStore.h"
#include "core/generate/MenuBuild.h"
#include "core/model/MenuSnapshot.h"
#include "core/platform/ProgramParts.h"

#include <QCoreApplication>
#include <QDir>
#include <new>

namespace {

const QString homeOptionName = QStringLiteral("home");
const QString languageOptionName = QStringLiteral("lang");
const QString zoomOptionName = QStringLiteral("zoom");

} // namespace

CommandLine::CommandLine(const QStringList &arguments)
{
    m_parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Velmora Wizard builds an autorun HTML menu for a CD from the files gathered in one folder.\n"
                       "Without a command it opens the wizard window."));
    m_parser.addOption({{QStringLiteral("h"), QStringLiteral("help")},
                        QCoreApplication::translate("CommandLine", "Show this help and exit.")});
    m_parser.addOption({{QStringLiteral("v"), QStringLiteral("version")},
                        QCoreApplication::translate("CommandLine", "Show the version and exit.")});
    m_parser.addOption({homeOptionName,
                        QCoreApplication::translate(
                            "CommandLine", "Keep Velmora.dat and the style library in DIR (default: $VELMORA_HOME, "
                                           "else the program folder when Velmora runs from its build folder, "
                                           "else ~/.local/share/Velmora)."),
                        QStringLiteral("DIR")});
    m_parser.addOption(
        {languageOptionName,
         QCoreApplication::translate("CommandLine", "Speak the language CODE (de, en, es, fr) instead of "
                                                    "the system's."),
         QStringLiteral("CODE")});
    m_parser.addOption(
        {zoomOptionName,
         QCoreApplication::translate("CommandLine", "Show the window at PERCENT (50 to 400) for this run; the View "
                                                    "menu's choice is kept for the next starts."),
         QStringLiteral("PERCENT")});
    DiscCommands::addOptions(m_parser);
    MediaCommands::addOptions(m_parser);
    m_parser.addPositionalArgument(
        QStringLiteral("command"),
        QCoreApplication::translate("CommandLine", "list                print the stored menus, one per line\n"
                                                   "build MENUID        rebuild the CD root of a stored menu\n") +
            DiscCommands::helpLines() + QLatin1Char('\n') + MediaCommands::helpLines(),
        QStringLiteral("[command]"));

    if (!m_parser.parse(arguments)) {
        m_valid = false;
        const QString negative = ConsoleText::negativeNumber(arguments.mid(1));
        m_message = negative.isEmpty() ? m_parser.errorText() : negative;
        return;
    }
    m_help = m_parser.isSet(QStringLiteral("help"));
    m_version = m_parser.isSet(QStringLiteral("version"));
    m_home = m_parser.value(homeOptionName);
    // An empty folder name would put Velmora.dat into whatever folder the program runs from.
    if (m_parser.isSet(homeOptionName) && m_home.isEmpty()) {
        m_valid = false;
        m_message = QCoreApplication::translate("CommandLine", "--home needs the name of a folder.");
        return;
    }
    if (qEnvironmentVariableIsSet("VELMORA_HOME") && qEnvironmentVariableIsEmpty("VELMORA_HOME") &&
        !m_parser.isSet(homeOptionName)) {
        m_valid = false;
        m_message =
            QCoreApplication::translate("CommandLine", "VELMORA_HOME is set but empty; name a folder or unset it.");
        return;
    }

    m_language = m_parser.value(languageOptionName);
    if (m_parser.isSet(languageOptionName) && !Translations::isLanguageCode(m_language)) {
        // The message itself is in the system's language.
        const QString given = m_language;
        m_language.clear();
        m_valid = false;
        m_message = QCoreApplication::translate("CommandLine", "--lang needs a language code such as de, fr or es, "
                                                               "not \"%1\".")
                        .arg(given);
        return;
    }

    if (m_parser.isSet(zoomOptionName)) {
        bool ok = false;
        m_zoom = m_parser.value(zoomOptionName).toInt(&ok);
        if (!ok || m_zoom < 50 || m_zoom > 400) {
            m_valid = false;
            m_message = QCoreApplication::translate("CommandLine",
                                                    "--zoom needs a whole percentage from 50 to 400, such as 150.");
            return;
        }
    }

    QStringList positional = m_parser.positionalArguments();
    if (!positional.isEmpty()) {
        m_command = positional.takeFirst();
        m_commandArguments = positional;
    }
    if (m_command.isEmpty() || m_help || m_version)
        return;
    if (!DiscCommands::handles(m_command)) {
        if (const StepResult fits = DiscCommands::optionsFit(m_command, m_parser); !fits) {
            m_valid = false;
            m_message = fits.error;
            return;
        }
    }
    if (!MediaCommands::handles(m_command)) {
        if (const StepResult fits = MediaCommands::optionsFit(m_command, m_parser); !fits) {
            m_valid = false;
            m_message = fits.error;
            return;
        }
    }
    if (m_command == QLatin1String("list")) {
        if (!m_commandArguments.isEmpty()) {
            m_valid = false;
            m_message = QCoreApplication::translate("CommandLine", "list takes no arguments.");
        }
        return;
    }
    if (m_command == QLatin1String("build")) {
        const QString usage = QCoreApplication::translate(
            "CommandLine", "build takes one argument, the number of the menu (see 'velmora list').");
        const StepValue<qint64> number = m_commandArguments.size() == 1
                                             ? ConsoleText::menuNumber(m_commandArguments.first(), usage)
                                             : StepValue<qint64>::failure(usage);
        m_menuId = number.value;
        m_valid = number.ok;
        m_message = number.error;
        return;
    }
    if (MediaCommands::handles(m_command)) {
        const StepResult parsed = m_media.parse(m_command, m_commandArguments, m_parser);
        m_valid = parsed.ok;
        m_message = parsed.error;
        return;
    }
    if (DiscCommands::handles(m_command)) {
        const StepResult parsed = m_disc.parse(m_command, m_commandArguments, m_parser);
        m_valid = parsed.ok;
        m_message = parsed.error;
        return;
    }
    m_valid = false;
    m_message = QCoreApplication::translate("CommandLine", "Unknown command: %1").arg(m_command);
}

QString CommandLine::helpText() const
{
    return m_parser.helpText();
}

QString CommandLine::versionText()
{
    return QStringLiteral("Velmora Wizard %1").arg(QStringLiteral(VELMORA_VERSION));
}

StepValue<QString> CommandLine::dataHome(const QString &programFolder) const
{
    // Only a complete program folder (a build tree) may hold the data; an installed program keeps it in XDG.
    return DataHome::resolve(ProgramParts(programFolder).portableFolder(), m_home,
                             qEnvironmentVariable("VELMORA_HOME"));
}

int CommandLine::run(const QString &programFolder, QTextStream &out, QTextStream &err) const
{
    const StepValue<QString> found = dataHome(programFolder);
    if (!found) {
        err << ConsoleText::message(found.error) << Qt::endl;
        return 1;
    }
    const QString &home = found.value;
    try {
        DatabaseFile::prepare(DataHome::databasePath(home));
        if (m_command == QLatin1String("list"))
            return listMenus(home, out);
        if (m_command == QLatin1String("build"))
            return buildMenu(home, programFolder, out, err);
        if (DiscCommands::handles(m_command))
            return m_disc.run(home, out, err);
        if (MediaCommands::handles(m_command))
            return m_media.run(home, out, err);
    } catch (const DataError &error) {
        err << ConsoleText::message(error.message()) << Qt::endl;
        return 1;
    } catch (const std::bad_alloc &) {
        err << QCoreApplication::translate("CommandLine", "Not enough memory to %1 the menus.").arg(m_command)
            << Qt::endl;
        return 1;
    } catch (const std::exception &error) {
        err << ConsoleText::message(QCoreApplication::translate("CommandLine", "The %1 command failed: %2")
                                        .arg(m_command, QString::fromLocal8Bit(error.what())))
            << Qt::endl;
        return 1;
    }
    return 2;
}

int CommandLine::listMenus(const QString &home, QTextStream &out) const
{
    const MenuStore::MenuList list = MenuStore(DataHome::databasePath(home)).menuList();
    for (const MenuRecord &menu : list.menus) {
        // One line per menu, whatever the title holds.
        out << menu.id << ": " << ConsoleText::value(menu.title) << " ("
            << ConsoleText::value(MenuLanguage::ofStored(menu.language)) << ')' << Qt::endl;
    }
    if (list.leftOut > 0)
        out << QCoreApplication::translate("CommandLine",
                                           "Left out %1 of the rows of tblMenus: their MenuID is not a positive whole "
                                           "number, or an earlier row has it, so no command can reach them.")
                   .arg(list.leftOut)
            << Qt::endl;
    return 0;
}

int CommandLine::buildMenu(const QString &home, const QString &programFolder, QTextStream &out, QTextStream &err) const
{
    MenuStore data(DataHome::databasePath(home));
    MenuBuild build(data);
    const StepResult result = build.runStored(m_menuId, programFolder);
    for (const QString &note : build.notes())
        err << ConsoleText::message(note) << Qt::endl;
    for (const QString &file : build.written())
        out << QCoreApplication::translate("CommandLine", "Wrote %1")
                   .arg(ConsoleText::value(QDir::toNativeSeparators(file)))
            << Qt::endl;
    if (!result) {
        err << ConsoleText::message(result.error) << Qt::endl;
        return 1;
    }
    return 0;
}
