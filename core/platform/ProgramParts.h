#pragma once

#include <QString>
#include <QStringList>

// Where the parts of the program lie, found from the folder of its executable: the corvix plugin, and the autorun
// files that a build copies onto the CD. A build tree (build/bin) or an unpacked copy holds them all beside the
// executable; an installed program holds them under its prefix (lib/velmora/plugins and share/velmora beside bin/).
class ProgramParts
{
public:
    explicit ProgramParts(const QString &programFolder);

    static QStringList autorunFileNames();

    // The folders to look in, in order: the program folder first, then the installed layout.
    QStringList pluginFolders() const;
    QStringList autorunFolders() const;
    // Where the window's translations lie: "translations" in the program folder, then in the installed data folder.
    QStringList translationFolders() const;

    // The first folder that holds every autorun file; empty when none does.
    QString autorunFolder() const;
    // For a missing autorun file: which files, and every folder looked in.
    QString autorunMissingMessage() const;

    // The program folder when it is a complete program folder (the autorun files beside the executable): only
    // then may it hold the data. Empty for an installed program, which must not write under its prefix.
    QString portableFolder() const;

private:
    static bool holdsAutorunFiles(const QString &folder);

    QString m_programFolder;
};
