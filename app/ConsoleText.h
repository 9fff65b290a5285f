#pragma once

#include "core/model/StepResult.h"

#include <QString>

// Text for the terminal. Titles, file names and the engine's messages may hold control characters (an escape
// sequence would clear the user's screen or hide a line); they are shown as \xNN, as check shows names.
namespace ConsoleText {

// A value that stays on its line: every control character as \xNN, line breaks too.
QString value(const QString &text);
// A message of one or more lines: as value(), but its line breaks kept.
QString message(const QString &text);
// The message for an argument such as "-1", which reads as an option: not a menu number. Empty for any other.
QString negativeNumber(const QStringList &arguments);

// The menu number an argument gives: digits only. Fails with a message that says what is wrong with it; usage is
// the message for an argument that is no number at all.
StepValue<qint64> menuNumber(const QString &argument, const QString &usage);

} // namespace ConsoleText
