#pragma once

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
