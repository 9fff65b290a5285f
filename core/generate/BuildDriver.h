#pragma once

#include "core/generate/MenuSnapshot.h"

#include <QStringList>

class clsData;

// The Finish sequence: the page in the chosen template, AUTORUN.INF and Start.exe from the program folder, and
// Index.hta. Every step runs even when an earlier one failed.
namespace BuildDriver {

// "Your Menu has been successfully created!"; the window shows it when finish() reports nothing.
QString successText();

// Returns one text per failed step, in order; empty when every step succeeded.
QStringList finish(const MenuSnapshot &snapshot, clsData &data);

} // namespace BuildDriver
