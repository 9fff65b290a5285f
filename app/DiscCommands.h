#pragma once

#include "core/model/StepResult.h"

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>
#include <optional>

class MenuStore;
struct StoredSnapshot;

// The commands that take a menu's CD root towards a disc: add (entries for the files under the root), check (what
// would spoil the disc) and iso (a disc image).
class DiscCommands
{
public:
    static void addOptions(QCommandLineParser &parser);
    static QString helpLines();
    static bool handles(const QString &command);
    // Fails when an option of these commands is given to another command.
    static StepResult optionsFit(const QString &command, const QCommandLineParser &parser);

    // Reads the command's arguments; fails when they cannot be understood.
    StepResult parse(const QString &command, const QStringList &arguments, const QCommandLineParser &parser);
    // Returns the exit code. Throws DataError.
    int run(const QString &home, QTextStream &out, QTextStream &err) const;

private:
    // The menu and its CD root, which must exist; nothing, with the reason on err, otherwise.
    std::optional<StoredSnapshot> storedMenu(MenuStore &data, QTextStream &err) const;
    int add(const QString &home, QTextStream &out, QTextStream &err) const;
    int check(const QString &home, QTextStream &out, QTextStream &err) const;
    int iso(const QString &home, QTextStream &out, QTextStream &err) const;

    QString m_command;
    qint64 m_menuId = 0;
    QStringList m_paths;
    std::optional<QString> m_category;
    QString m_output;
};
