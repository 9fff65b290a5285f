#pragma once

#include <QString>
#include <functional>

// The data home for the program in programFolder; empty, with the reason in *failure, when there is none.
using DataHomeLookup = std::function<QString(const QString &programFolder, QString *failure)>;

// Opens the wizard window and runs it until it is closed; returns the exit code. requestedLanguage: the window's
// language as asked for on the command line ("de"); empty: the system's.
int runWizard(int &argc, char **argv, const DataHomeLookup &dataHome, const QString &requestedLanguage = QString());
