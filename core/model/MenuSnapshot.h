#pragma once

#include "core/model/MakerAddress.h"

#include <QString>
#include <QStringList>

// The eighteen style fields as the two style pages show them, in the order of the style columns.
struct StyleFields
{
    QString styleName;      // txtStyleName
    QString backColor;      // txtBackgroundColor
    QString backImage;      // txtBackImage
    QString soundFile;      // txtBSound
    QString logoFile;       // txtLogoImage
    QString logoTop;        // txtTop
    QString logoLeft;       // txtLeft
    QString buttonOnImage;  // txtButtonOn
    QString buttonOffImage; // txtButtonOff
    QString titleFont;      // txtTitleFont
    QString titleColor;     // txtTitleColor
    QString buttonFont;     // txtButtonFont
    QString buttonColor;    // txtBColor
    QString textFont;       // txtDFont
    QString textColor;      // txtDColor
    QString hyperFont;      // txtHFont
    QString hyperColor;     // txtHColor
    QString hyperColorA;    // txtHColorActive

    // The defaults of a new style; the name is left empty (the window keeps the one it shows).
    static StyleFields standard();
    // Eighteen values in the order of Sql::styleColumns(); missing values are empty.
    static StyleFields fromValues(const QStringList &values);
    QStringList values() const;

    // The five media fields (background image, sound, logo, button on, button off) in that order.
    QStringList mediaFiles() const;
    // A media field names a file unless it is empty or "none".
    static bool isSet(const QString &field) { return !field.isEmpty() && field != QLatin1String("none"); }

    bool operator==(const StyleFields &other) const { return values() == other.values(); }
};

// The page templates: the four classic ones, then the two Modern ones, in the order of the template list.
namespace MenuTemplate {

inline QString standard()
{
    return QStringLiteral("Standard");
}
inline QString standardScreenshots()
{
    return QStringLiteral("Standard Screenshots");
}
inline QString extended()
{
    return QStringLiteral("Extended");
}
inline QString extendedScreenshots()
{
    return QStringLiteral("Extended Screenshots");
}
inline QStringList names()
{
    return {standard(), standardScreenshots(), extended(), extendedScreenshots()};
}
inline QString modern()
{
    return QStringLiteral("Modern");
}
inline QString modernScreenshots()
{
    return QStringLiteral("Modern Screenshots");
}
inline QStringList modernNames()
{
    return {modern(), modernScreenshots()};
}
inline QStringList allNames()
{
    return names() + modernNames();
}

} // namespace MenuTemplate

// The languages a menu's page can be written in, each with its code ("de") and its name in itself ("Deutsch").
namespace MenuLanguage {

struct Choice
{
    QString code;
    QString name;
};

QList<Choice> choices();
inline QString english()
{
    return QStringLiteral("en");
}
// The language of a stored menu: a menu stored before menus had one (no code) is English.
inline QString ofStored(const QString &code)
{
    return code.trimmed().isEmpty() ? english() : code.trimmed();
}
// The one reading of a stored language that the page's words, its lang, its direction and its numbers share: a
// language Velmora has words for by its code alone ("de_DE", "de-DE" and "DE" are "de"; the old "iw" is "he"),
// another valid BCP 47 tag as it is (with "-"), anything else English.
QString pageCode(const QString &stored);

} // namespace MenuLanguage

// What the wizard shows at the moment of writing: everything the stylesheet and page writers and the Finish
// sequence read, as plain values, so that the window and the command line share one build.
struct MenuSnapshot
{
    QString title;        // txtTitle
    QString templateName; // text of cmbTemplate, compared exactly
    StyleFields style;
    QString rootPath;                        // the CD root with its trailing separator (PathMapping::rootPathFor)
    qint64 currentMenuID = 0;                // MenuNo of the entries to write
    QString programFolder;                   // where AUTORUN.INF and Start.exe lie
    QString language = QStringLiteral("en"); // the page's language (MenuLanguage)
    QString makerAddress = MakerAddress::url(); // the footers' link; empty: a footer without one
};
