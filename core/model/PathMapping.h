#pragma once

#include <QString>
#include <optional>

// Paths of the CD root. Paths are split and joined at the platform's native separator.
namespace PathMapping {

QChar separator();

// A path as messages show it, with the system's separators.
QString shown(const QString &path);

// The notice for a file chosen outside the CD root, for the entry page and for filling it from a folder.
QString outsideRootNotice(const QString &path, const QString &rootPath);

// The CD root as a prefix for building paths: the folder with a separator added unless it already ends in one.
QString rootPathFor(const QString &folder);

// The text after the last separator, or the whole text when it has none.
QString getFileName(const QString &path);

// The path of a file below the CD root, with the input's separators. A path that does not start with rootPath
// (letter case counts) lies outside the CD root and gives nothing.
std::optional<QString> getFileLink(const QString &strFullPath, const QString &rootPath);

// A relative path as the entries store it: forward slashes whatever the platform.
QString toStoredLink(const QString &relativePath);

} // namespace PathMapping
