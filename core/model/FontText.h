#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

// Font texts: family, size with "pt" and weight word joined by ";" ("Arial;14pt;bold").
namespace FontText {

struct Fields
{
    QString family; // field 0
    QString size;   // field 1, unit included ("14pt")
    QString weight; // field 2, as written ("bold", "Bold", "normal")
};

// Nothing when the text has fewer than three fields; fields after the third are ignored.
std::optional<Fields> split(const QString &text);

// The size as the font dialog wants it: field 1 without its last two characters, as a 16-bit integer (rounded half
// to even, read with the locale's decimal separator). Nothing when that is not a number in range.
std::optional<qint16> pointSize(const QString &sizeField, const QLocale &locale = QLocale());

// "bold" in any letter case.
bool isBold(const QString &weightField);

// family ";" size (shortest single-precision text, locale's decimal separator) "pt;" "Bold"/"Normal".
QString compose(const QString &family, float pointSize, bool bold, const QLocale &locale = QLocale());

} // namespace FontText
