#pragma once

#include <QString>

// What a path names, through its links, told apart for the messages that say why it cannot be used.
enum class PathKind { Missing, Folder, File, Other, BrokenLink, LinkLoop };

PathKind pathKind(const QString &path);
