#pragma once

#include <QStringList>

// The program's start where systems differ: ConsolePosix.cpp and ConsoleWindows.cpp, chosen by the build.
namespace Console {

// The arguments as typed, every character kept (on Windows from the wide command line, not the ANSI code page).
QStringList arguments(int argc, char *argv[]);

// Makes stdout and stderr reach the console or terminal the program was started from, with any text: on Windows a
// window program has none of its own, so it attaches to its parent's and writes UTF-8 to it. Call before writing.
void prepareForCommand();

// Whether a window can be shown at all: without a display the window system would abort.
bool hasDisplay(int argc, char *argv[]);

// A file-size limit then fails a write with a reason instead of ending the program (POSIX only).
void reportSizeLimitsAsErrors();

} // namespace Console
