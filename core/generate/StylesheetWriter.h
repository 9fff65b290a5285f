#pragma once

#include "core/model/MenuSnapshot.h"
#include "core/model/StepResult.h"

#include "core/model/FontText.h"

#include <QByteArray>
#include <optional>

// Writes Menu/Styles.css of the CD root from the style fields: twelve rules, Windows-1252, CR LF.
namespace StylesheetWriter {

// The style fields read as what they are; the stylesheet is written from these and nothing else.
struct Parsed
{
    QString backColor, titleColor, buttonColor, textColor, hyperColor, hyperColorA; // colours
    FontText::Fields titleFont, textFont, hyperFont, buttonFont;
    QString logoTop, logoLeft; // numbers
    bool hasBackImage = false;
    QString backImageName; // the background image's file name
};

// Fails, naming the style and the field, when a field is not what it should be: a colour, a font
// text (family;size;weight), a position number, a media file name. A family or a file name may hold none of
// { } < > \ ", nor a line break, "url(", "expression(" or "/*".
StepValue<Parsed> parse(const StyleFields &style);

// Fails with parse()'s reason.
StepResult check(const StyleFields &style);
// The stylesheet's bytes; empty when check() fails.
QByteArray text(const StyleFields &style);
QByteArray text(const Parsed &style);

// Creates the Menu folder when missing and replaces the stylesheet as a whole; on failure an earlier stylesheet
// stays as it was.
StepResult write(const QString &rootPath, const StyleFields &style);

// rootPath "Menu" separator "Styles.css".
QString stylesheetPath(const QString &rootPath);

} // namespace StylesheetWriter
