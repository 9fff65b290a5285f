#pragma once

#include "core/model/StepResult.h"

#include "app/DiscCommands.h"
#include "app/MediaCommands.h"

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

// Velmora's command line: the options shared by every command, and the commands that run without the window.
class CommandLine
{
public:
    explicit CommandLine(const QStringList &arguments);

    // False when the arguments cannot be understood; message() says why.
    bool isValid() const { return m_valid; }
    QString message() const { return m_message; }
    bool wantsHelp() const { return m_help; }
    bool wantsVersion() const { return m_version; }
    // No command given: the wizard window opens.
    bool wantsWizard() const { return m_command.isEmpty(); }
    // The language asked for with --lang ("de"); empty: the system's.
    QString language() const { return m_language; }
    // The window's zoom in percent for this run; 0 when not given.
    int zoom() const { return m_zoom; }

    QString helpText() const;
    static QString versionText();

    // The data home for this run, created when missing; the failure names the folder that cannot be made.
    StepValue<QString> dataHome(const QString &programFolder) const;

    // Runs the command; returns the exit code.
    int run(const QString &programFolder, QTextStream &out, QTextStream &err) const;

private:
    int listMenus(const QString &home, QTextStream &out) const;
    int buildMenu(const QString &home, const QString &programFolder, QTextStream &out, QTextStream &err) const;

    QCommandLineParser m_parser;
    bool m_valid = true;
    bool m_help = false;
    bool m_version = false;
    QString m_message;
    QString m_command;
    QStringList m_commandArguments;
    QString m_home;
    QString m_language;
    qint64 m_menuId = 0;
    int m_zoom = 0;
    DiscCommands m_disc;
    MediaCommands m_media;
};
