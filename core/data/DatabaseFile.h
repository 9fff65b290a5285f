#pragma once

#include <QString>

// Makes sure a menu database is ready to use: creates it with the three tables when the file is missing, and
// refuses, without touching it, a file that is not a database or lacks a table or column.
namespace DatabaseFile {

inline constexpr const char *fileName = "Velmora.dat";

// Throws DataError naming the file.
void prepare(const QString &filePath);

} // namespace DatabaseFile
