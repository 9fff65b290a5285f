#include "core/generate/StylesheetWriter.h"

#include "core/generate/AnsiText.h"
#include "core/generate/MenuFolder.h"
#include "core/generate/PathMapping.h"
#include "core/styles/FontText.h"

#include <QCoreApplication>
#include <QDir>

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

struct NamedFont
{
    const char *label;
    const QString &text;
};

} // namespace

StepResult check(const StyleFields &style)
{
    const NamedFont fonts[] = {{"title", style.titleFont},
                               {"text", style.textFont},
                               {"hyperlink", style.hyperFont},
                               {"button", style.buttonFont}};
    for (const NamedFont &font : fonts) {
        if (!FontText::split(font.text))
            return StepResult::failure(
                QCoreApplication::translate("Build", "The %1 font \"%2\" needs three parts: family;size;weight.")
                    .arg(QLatin1String(font.label), font.text));
    }
    return StepResult::success();
}

QByteArray text(const StyleFields &style)
{
    const QString *fonts[] = {&style.titleFont, &style.textFont, &style.hyperFont, &style.buttonFont};
    std::optional<FontText::Fields> split[4];
    for (int i = 0; i < 4; ++i) {
        split[i] = FontText::split(*fonts[i]);
        if (!split[i])
            return {};
    }
    const FontText::Fields &title = *split[0];
    const FontText::Fields &text = *split[1];
    const FontText::Fields &hyper = *split[2];
    const FontText::Fields &button = *split[3];

    AnsiText out;
    fontRule(out, "h2{font-size:", title, style.titleColor);

    out << "Body{background-color:";
    out.css(style.backColor);
    if (style.backImage == QLatin1String("none")) {
        out << "}";
    } else {
        out << "; background-image:url(";
        out.css(LinkText::forStylesheet(PathMapping::getFileName(style.backImage))) << ");}";
    }
    out.endLine().endLine();

    fontRule(out, "P{font-size:", text, style.textColor);
    fontRule(out, "TD{font-size:", text, style.textColor);
    fontRule(out, "a{font-size:", hyper, style.hyperColor);
    fontRule(out, "a:link{font-size:", hyper, style.hyperColor);
    fontRule(out, "a:visited{font-size:", hyper, style.hyperColor);
    fontRule(out, "a:hover{font-size:", hyper, style.hyperColorA);
    fontRule(out, ".TLink{cursor:hand;font-size:", button, style.buttonColor);
    fontRule(out, ".But{cursor:hand;font-size:", button, style.buttonColor);
    fontRule(out, ".ButActive{cursor:hand;font-size:", button, style.hyperColorA);

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
