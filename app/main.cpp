#include "app/CommandLine.h"
#include "app/ConsoleText.h"
#include "core/about/Translations.h"
#include "core/platform/Console.h"
#include "core/platform/ProgramParts.h"
#include "wizard/WizardMain.h"
#include "wizard/Zoom.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <exception>

int main(int argc, char *argv[])
{
    // Who the program is, for QStandardPaths, the desktop's taskbar and Wayland (the desktop entry's name).
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("velmora.org"));
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velmora.Velmora"));

    Console::reportSizeLimitsAsErrors();
    // The arguments are read before any application object exists: that object is a window's or a command's.
    const QStringList arguments = Console::arguments(argc, argv);
    const CommandLine commandLine(arguments);

    // Without a command the wizard window opens; the commands run without a display. Without one, the message
    // below says so once it can speak the user's language.
    if (commandLine.isValid() && !commandLine.wantsHelp() && !commandLine.wantsVersion() && commandLine.wantsWizard() &&
        Console::hasDisplay(argc, argv)) {
        if (commandLine.zoom() > 0)
            Zoom::setForThisRun(commandLine.zoom());
        return runWizard(
            argc, argv,
            [&commandLine](const QString &programFolder) { return commandLine.dataHome(programFolder); },
            commandLine.language());
    }

    Console::prepareForCommand();
    QCoreApplication app(argc, argv);
    Translations::install(commandLine.language(),
                          ProgramParts(QCoreApplication::applicationDirPath()).translationFolders());
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (commandLine.isValid() && !commandLine.wantsHelp() && !commandLine.wantsVersion() && commandLine.wantsWizard()) {
        err << QCoreApplication::translate("CommandLine",
                                           "velmora: there is no display to show the window on (neither DISPLAY nor "
                                           "WAYLAND_DISPLAY is set).\nThe commands work without one: see 'velmora "
                                           "--help'.")
            << Qt::endl;
        return 1;
    }
    // Read again, now that its help and messages can speak the user's language.
    const CommandLine command(arguments);
    if (!command.isValid()) {
        err << ConsoleText::message(command.message()) << Qt::endl
            << QCoreApplication::translate("CommandLine", "Try 'velmora --help'.") << Qt::endl;
        return 2;
    }
    if (command.wantsHelp()) {
        out << command.helpText();
        return 0;
    }
    if (command.wantsVersion()) {
        out << CommandLine::versionText() << Qt::endl;
        return 0;
    }
    try {
        return command.run(QCoreApplication::applicationDirPath(), out, err);
    } catch (const std::exception &error) {
        // Whatever a command let through ends as a message, not as an abort.
        err << "velmora: " << ConsoleText::message(QString::fromLocal8Bit(error.what())) << Qt::endl;
        return 1;
    }
}
