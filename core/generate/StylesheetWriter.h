#pragma once

#include "core/generate/MenuSnapshot.h"
#include "core/generate/StepResult.h"

#include <QByteArray>

// Writes Menu/Styles.css of the CD root from the style fields: twelve rules, Windows-1252, CR LF.
namespace StylesheetWriter {

// Fails, with the reason, when a font text has fewer than three fields.
StepResult check(const StyleFields &style);
// The stylesheet's bytes; empty when check() fails.
QByteArray text(const StyleFields &style);

// Creates the Menu folder when missing and replaces the stylesheet as a whole; on failure an earlier stylesheet
// stays as it was.
StepResult write(const QString &rootPath, const StyleFields &style);

// rootPath "Menu" separator "Styles.css".
QString stylesheetPath(const QString &rootPath);

} // namespace StylesheetWriter
