#include "app/CommandLine.h"
#include "wizard/WizardMain.h"

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

    // Without a command the wizard window opens; the commands run without a display.
    {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments.append(QString::fromLocal8Bit(argv[i]));
        const CommandLine commandLine(arguments);
        if (commandLine.isValid() && !commandLine.wantsHelp() && !commandLine.wantsVersion() &&
            commandLine.wantsWizard())
            return runWizard(argc, argv, commandLine);
    }

    QCoreApplication app(argc, argv);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const CommandLine commandLine(QCoreApplication::arguments());
    if (!commandLine.isValid()) {
        err << commandLine.message() << Qt::endl << "Try 'velmora --help'." << Qt::endl;
        return 2;
    }
    if (commandLine.wantsHelp()) {
        out << commandLine.helpText();
        return 0;
    }
    if (commandLine.wantsVersion()) {
        out << CommandLine::versionText() << Qt::endl;
        return 0;
    }
    try {
        return commandLine.run(QCoreApplication::applicationDirPath(), out, err);
    } catch (const std::exception &error) {
        // Whatever a command let through ends as a message, not as an abort.
        err << "velmora: " << QString::fromLocal8Bit(error.what()) << Qt::endl;
        return 1;
    }
}
