#pragma once

class CommandLine;

// Opens the wizard window and runs it until it is closed; returns the exit code.
int runWizard(int &argc, char **argv, const CommandLine &commandLine);
