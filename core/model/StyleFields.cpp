#include "core/model/StyleFields.h"

namespace {

// Member order is the order of the style columns.
QString StyleFields::*const fieldOrder[] = {
    &StyleFields::styleName,      &StyleFields::backColor,   &StyleFields::backImage,  &StyleFields::soundFile,
    &StyleFields::logoFile,       &StyleFields::logoTop,     &StyleFields::logoLeft,   &StyleFields::buttonOnImage,
    &StyleFields::buttonOffImage, &StyleFields::titleFont,   &StyleFields::titleColor, &StyleFields::buttonFont,
    &StyleFields::buttonColor,    &StyleFields::textFont,    &StyleFields::textColor,  &StyleFields::hyperFont,
    &StyleFields::hyperColor,     &StyleFields::hyperColorA,
};

} // namespace

StyleFields StyleFields::standard()
{
    StyleFields style;
    style.backColor = QStringLiteral("16777215 ");
    style.backImage = QStringLiteral("none");
    style.soundFile = QStringLiteral("none");
    style.logoFile = QStringLiteral("none");
    style.logoTop = QStringLiteral("0");
    style.logoLeft = QStringLiteral("0");
    style.buttonOnImage = QStringLiteral("none");
    style.buttonOffImage = QStringLiteral("none");
    style.titleFont = QStringLiteral("Arial;14pt;bold");
    style.titleColor = QStringLiteral("RGB(192,192,192)");
    style.buttonFont = QStringLiteral("Arial;10pt;bold");
    style.buttonColor = QStringLiteral("RGB(192,192,192)");
    style.textFont = QStringLiteral("Arial;10pt;normal");
    style.textColor = QStringLiteral("RGB(192,192,192)");
    style.hyperFont = QStringLiteral("Arial;10pt;normal");
    style.hyperColor = QStringLiteral("RGB(192,192,192)");
    style.hyperColorA = QStringLiteral("RGB(17,207,255)");
    return style;
}

StyleFields StyleFields::fromValues(const QStringList &values)
{
    StyleFields style;
    int i = 0;
    for (QString StyleFields::*field : fieldOrder) {
        style.*field = i < values.size() ? values.at(i) : QString();
        ++i;
    }
    return style;
}

QStringList StyleFields::values() const
{
    QStringList result;
    for (QString StyleFields::*field : fieldOrder)
        result.append(this->*field);
    return result;
}

QStringList StyleFields::mediaFiles() const
{
    return {backImage, soundFile, logoFile, buttonOnImage, buttonOffImage};
}
