#pragma once

#include "core/model/StepResult.h"

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

class MenuStore;
struct StoredSnapshot;

// The commands that put a menu's CD root onto a medium: burn (a disc, through xorriso) and copy (a USB stick, a
// card, any folder or FAT image).
class MediaCommands
{
public:
    static void addOptions(QCommandLineParser &parser);
    static QString helpLines();
    static bool handles(const QString &command);
    // Fails when an option of these commands is given to another command.
    static StepResult optionsFit(const QString &command, const QCommandLineParser &parser);

    StepResult parse(const QString &command, const QStringList &arguments, const QCommandLineParser &parser);
    // Returns the exit code. Throws DataError.
    int run(const QString &home, QTextStream &out, QTextStream &err) const;

private:
    bool load(MenuStore &data, StoredSnapshot &menu, QTextStream &err) const;
    int burn(const QString &home, QTextStream &out, QTextStream &err) const;
    int copy(const QString &home, QTextStream &out, QTextStream &err) const;

    QString m_command;
    qint64 m_menuId = 0;
    QString m_drive;
    int m_speed = 0;
    bool m_simulate = false;
    bool m_verify = true;
    bool m_blank = false;
    bool m_eject = false;
    QString m_to;
};
