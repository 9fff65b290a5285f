#pragma once

#include "core/generate/MenuSnapshot.h"
#include "core/generate/StepResult.h"

#include <QByteArray>
#include <optional>

class QIODevice;

// Writes Menu/Styles.css of the CD root from the style fields: twelve rules, Windows-1252, CR LF.
namespace StylesheetWriter {

// The stylesheet's bytes; nothing, with the reason in error, when a font text has fewer than three fields.
std::optional<QByteArray> text(const StyleFields &style, QString *error = nullptr);

// Creates the Menu folder when missing and replaces the stylesheet as a whole; on failure an earlier stylesheet
// stays as it was.
StepResult write(const QString &rootPath, const StyleFields &style);

// rootPath "Menu" separator "Styles.css".
QString stylesheetPath(const QString &rootPath);

} // namespace StylesheetWriter
