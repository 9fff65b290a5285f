#include "core/generate/StylesheetWriter.h"

#include "core/generate/AnsiText.h"
#include "core/generate/LinkText.h"
#include "core/generate/MenuFolder.h"
#include "core/model/Colour.h"
#include "core/model/FontText.h"
#include "core/model/PathMapping.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace {

// One rule, then the empty line that follows every rule.
void fontRule(AnsiText &out, const char *opening, const FontText::Fields &font, const QString &color)
{
    out << opening;
    out.css(font.size) << ";font-family:";
    out.css(font.family) << ";color:";
    out.css(color) << ";font-weight:";
    out.css(font.weight) << ";margin-top:0cm;margin-bottom:0cm;}";
    out.endLine().endLine();
}

} // namespace

namespace StylesheetWriter {

namespace {

// A logo position: a number, with a unit or not.
bool isPosition(const QString &value)
{
    static const QRegularExpression position(
        QStringLiteral("^\\s*-?\\d*(?:[.,]\\d+)?\\d*(?:px|pt|pc|cm|mm|in|em|ex|%)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    return position.match(value).hasMatch();
}

// A font size as the font picker writes it ("10pt", "10,5pt") or typed ("12px", "12").
bool isFontSize(const QString &value)
{
    static const QRegularExpression size(QStringLiteral("^\\s*\\d+(?:[.,]\\d+)?\\s*(?:pt|px|pc|em|ex|%)?\\s*$"),
                                         QRegularExpression::CaseInsensitiveOption);
    return size.match(value).hasMatch();
}

bool isFontWeight(const QString &value)
{
    static const QRegularExpression weight(QStringLiteral("^\\s*(?:[A-Za-z-]+|\\d{1,3})?\\s*$"));
    return weight.match(value).hasMatch();
}

// A font's family (which holds no ";", the font text's separator) or a medium's file name: text, but nothing that
// ends its rule, opens a comment,
// escapes a character, or fetches or runs anything.
bool isPlainName(const QString &value)
{
    for (const QChar c : value) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("{}<>\\\"").contains(c))
            return false;
    }
    return !value.contains(QLatin1String("url("), Qt::CaseInsensitive) &&
           !value.contains(QLatin1String("expression("), Qt::CaseInsensitive) && !value.contains(QLatin1String("/*"));
}

QString refused(const StyleFields &style, const char *field, const QString &value, const QString &why)
{
    return QCoreApplication::translate("Build", "The style \"%1\" cannot be used: its %2 \"%3\" %4.")
        .arg(style.styleName, QCoreApplication::translate("Build", field), value, why)
        .replace(QLatin1Char('\r'), QLatin1String("\\r"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

} // namespace

StepValue<Parsed> parse(const StyleFields &style)
{
    Parsed parsed;
    struct ColourField
    {
        const char *label;
        const QString &value;
        QString Parsed::*part;
    };
    const ColourField colours[] = {
        {QT_TRANSLATE_NOOP("Build", "background colour"), style.backColor, &Parsed::backColor},
        {QT_TRANSLATE_NOOP("Build", "title colour"), style.titleColor, &Parsed::titleColor},
        {QT_TRANSLATE_NOOP("Build", "button colour"), style.buttonColor, &Parsed::buttonColor},
        {QT_TRANSLATE_NOOP("Build", "text colour"), style.textColor, &Parsed::textColor},
        {QT_TRANSLATE_NOOP("Build", "hyperlink colour"), style.hyperColor, &Parsed::hyperColor},
        {QT_TRANSLATE_NOOP("Build", "active hyperlink colour"), style.hyperColorA, &Parsed::hyperColorA}};
    for (const ColourField &colour : colours) {
        if (!Colour::isColourText(colour.value)) {
            return StepValue<Parsed>::failure(
                refused(style, colour.label, colour.value, QCoreApplication::translate("Build", "is not a colour")));
        }
        parsed.*colour.part = colour.value;
    }

    struct Font
    {
        const char *label;
        const QString &text;
        FontText::Fields Parsed::*part;
    };
    const Font fonts[] = {{QT_TRANSLATE_NOOP("Build", "title font"), style.titleFont, &Parsed::titleFont},
                          {QT_TRANSLATE_NOOP("Build", "text font"), style.textFont, &Parsed::textFont},
                          {QT_TRANSLATE_NOOP("Build", "hyperlink font"), style.hyperFont, &Parsed::hyperFont},
                          {QT_TRANSLATE_NOOP("Build", "button font"), style.buttonFont, &Parsed::buttonFont}};
    for (const Font &font : fonts) {
        const std::optional<FontText::Fields> fields = FontText::split(font.text);
        QString why;
        if (!fields)
            why = QCoreApplication::translate("Build", "needs three parts: family;size;weight");
        else if (!isPlainName(fields->family))
            why = QCoreApplication::translate("Build", "has a family name a stylesheet cannot hold");
        else if (!isFontSize(fields->size))
            why = QCoreApplication::translate("Build", "has no font size");
        else if (!isFontWeight(fields->weight))
            why = QCoreApplication::translate("Build", "has no font weight");
        if (!why.isEmpty()) {
            return StepValue<Parsed>::failure(refused(style, font.label, font.text, why));
        }
        parsed.*font.part = *fields;
    }

    const std::pair<const char *, const QString &> positions[] = {
        {QT_TRANSLATE_NOOP("Build", "logo position top"), style.logoTop},
        {QT_TRANSLATE_NOOP("Build", "logo position left"), style.logoLeft}};
    for (const auto &[label, value] : positions) {
        if (!isPosition(value)) {
            return StepValue<Parsed>::failure(
                refused(style, label, value, QCoreApplication::translate("Build", "is not a number")));
        }
    }
    parsed.logoTop = style.logoTop;
    parsed.logoLeft = style.logoLeft;

    const char *mediaLabels[] = {QT_TRANSLATE_NOOP("Build", "background image"),
                                 QT_TRANSLATE_NOOP("Build", "background sound"), QT_TRANSLATE_NOOP("Build", "logo"),
                                 QT_TRANSLATE_NOOP("Build", "button image (on)"),
                                 QT_TRANSLATE_NOOP("Build", "button image (off)")};
    const QStringList media = style.mediaFiles();
    for (int i = 0; i < media.size(); ++i) {
        if (!isPlainName(PathMapping::getFileName(media.at(i)))) {
            return StepValue<Parsed>::failure(
                refused(style, mediaLabels[i], media.at(i),
                        QCoreApplication::translate("Build", "has a file name a stylesheet cannot hold")));
        }
    }
    if (StyleFields::isSet(style.backImage) || style.backImage.isEmpty())
        parsed.backImageName = PathMapping::getFileName(style.backImage);
    parsed.hasBackImage = style.backImage != QLatin1String("none");
    return StepValue<Parsed>::made(std::move(parsed));
}

StepResult check(const StyleFields &style)
{
    return parse(style);
}

QByteArray text(const StyleFields &style)
{
    const StepValue<Parsed> parsed = parse(style);
    return parsed ? text(parsed.value) : QByteArray();
}

QByteArray text(const Parsed &style)
{
    AnsiText out;
    fontRule(out, "h2{font-size:", style.titleFont, style.titleColor);

    out << "Body{background-color:";
    out.css(style.backColor);
    if (!style.hasBackImage) {
        out << "}";
    } else {
        out << "; background-image:url(";
        out.css(LinkText::forStylesheet(style.backImageName)) << ");}";
    }
    out.endLine().endLine();

    fontRule(out, "P{font-size:", style.textFont, style.textColor);
    fontRule(out, "TD{font-size:", style.textFont, style.textColor);
    fontRule(out, "a{font-size:", style.hyperFont, style.hyperColor);
    fontRule(out, "a:link{font-size:", style.hyperFont, style.hyperColor);
    fontRule(out, "a:visited{font-size:", style.hyperFont, style.hyperColor);
    fontRule(out, "a:hover{font-size:", style.hyperFont, style.hyperColorA);
    fontRule(out, ".TLink{cursor:hand;font-size:", style.buttonFont, style.buttonColor);
    fontRule(out, ".But{cursor:hand;font-size:", style.buttonFont, style.buttonColor);
    fontRule(out, ".ButActive{cursor:hand;font-size:", style.buttonFont, style.hyperColorA);

    out << ".Logo{position:absolute;top:";
    out.css(style.logoTop) << ";left:";
    out.css(style.logoLeft) << "}";
    out.endLine().endLine();
    return out.bytes();
}

QString stylesheetPath(const QString &rootPath)
{
    return rootPath + MenuFolder::menuFolderName() + PathMapping::separator() + QStringLiteral("Styles.css");
}

StepResult write(const QString &rootPath, const StyleFields &style)
{
    if (rootPath.isEmpty())
        return MenuFolder::noRootFolder();
    const StepResult checked = check(style);
    if (!checked)
        return StepResult::failure(
            QCoreApplication::translate("Build", "The stylesheet was not written: %1").arg(checked.error));
    const StepResult folder = MenuFolder::ensureMenuFolder(rootPath);
    if (!folder)
        return StepResult::failure(
            QCoreApplication::translate("Build", "The stylesheet was not written: %1").arg(folder.error));
    return MenuFolder::writeReplacing(stylesheetPath(rootPath), text(style));
}

} // namespace StylesheetWriter
