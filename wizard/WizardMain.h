#pragma once

#include "core/model/StepResult.h"

#include <QString>
#include <functional>

// The data home for the program in programFolder, or why there is none.
using DataHomeLookup = std::function<StepValue<QString>(const QString &programFolder)>;

// Opens the wizard window and runs it until it is closed; returns the exit code. requestedLanguage: the window's
// language as asked for on the command line ("de"); empty: the system's.
int runWizard(int &argc, char **argv, const DataHomeLookup &dataHome, const QString &requestedLanguage = QString());
