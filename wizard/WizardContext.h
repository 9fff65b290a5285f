#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class CommonDialog;
class CorvixHost;
class DiscPrompts;
class MenuStore;
class Notices;

// What the wizard window is given rather than finds for itself, so that tests can replace every piece.
struct WizardContext
{
    QString dataHome;      // holds Velmora.dat and the style library
    QString programFolder; // holds AUTORUN.INF and Start.exe
    Notices *notices = nullptr;
    CommonDialog *cdlg = nullptr;
    DiscPrompts *discPrompts = nullptr; // adding a folder's files, the disc check, the image file, opening the menu
    CorvixHost *controls = nullptr;     // loaded corvix plugin: every button of the window
    QString startFolder;                // where the folder list opens; empty: the home folder
    QStringList drives;                 // the drive list's roots; empty: the mounted file systems
    QStringList burnDrives;             // the drives Burn to Disc offers (xorriso's names); empty: those it finds
    QStringList copyDrives;             // the folders Copy to Drive offers; empty: the mounted removable drives
    QString language = QStringLiteral("en"); // the window's language: a new menu's pages speak it too
    MenuStore *store = nullptr;              // the menu database; empty: the window opens the one in dataHome
    // Set by the window: called when a change finds that the menu being edited was deleted elsewhere.
    std::function<void()> menuLost;
};
