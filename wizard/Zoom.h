#pragma once

#include <QList>
#include <QString>

// The whole window's zoom, in percent. Qt scales every window crisply (pages, dialogs, the painted buttons) by the
// factor in QT_SCALE_FACTOR, which it reads once, when the application object is made: a zoom is therefore chosen
// before that, and a new choice takes effect at the next start. The choice is kept in the user's settings
// (QSettings: ~/.config/Velmora/Velmora.conf).
namespace Zoom {

constexpr int normal = 100;
// What the View menu offers.
QList<int> steps();
// A zoom the command line accepts for one run.
bool isAccepted(int percent);
// The neighbouring step up (direction > 0) or down; stays at the ends.
int nextStep(int percent, int direction);
// The step at which a window windowHeight high at 100 % fills about half of a screen screenHeight high.
int forScreen(int screenHeight, int windowHeight);

// The stored choice; 0 when none is stored yet.
int stored();
// False when the settings file cannot be written.
bool store(int percent);
QString settingsFile();

// The zoom of this run, as it was set up before the application object; 100 when none was.
int current();
// Sets the zoom of this run; only before the application object is made.
void setForThisRun(int percent);
// Before the application object: a zoom set for this run or by QT_SCALE_FACTOR holds; else the stored one. The first
// start picks one for the screen (a short look with an application object of its own) and stores it.
void prepareStart(int &argc, char **argv, int windowHeight);
// After the application object is made: programs Velmora starts (the browser) are not to inherit the factor.
void startMade();

} // namespace Zoom
