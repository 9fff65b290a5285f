#include "CommandLine.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));

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
    if (commandLine.wantsWizard()) {
        err << "The wizard window is not built yet; use a command (see 'velmora --help')." << Qt::endl;
        return 1;
    }
    return commandLine.run(QCoreApplication::applicationDirPath(), out, err);
}
