#pragma once

#include "core/model/StepResult.h"

#include <QString>

// Velmora's own data in a data home: Velmora.dat, its journals and the style library. None of it may go on a disc,
// and nothing Velmora writes may land on it.
namespace OwnData {

// Whether path (a file or a folder, existing or not, through any links) is part of the data in home.
bool holds(const QString &home, const QString &path);
// Whether the folder is the data home or holds it.
bool isInside(const QString &home, const QString &folder);
// A file Velmora is about to write: refused, naming the file, when it is part of the data in home.
StepResult checkTarget(const QString &home, const QString &target);
// The problem of a CD root that is the data home or holds it, or an empty text.
QString rootProblem(const QString &home, const QString &rootFolder);

} // namespace OwnData
