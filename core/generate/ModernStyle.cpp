#include "core/generate/ModernStyle.h"

#include "core/generate/ColourMaths.h"
#include "core/model/FontText.h"
#include "core/model/PathMapping.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace ModernStyle {

namespace {

using namespace ColourMaths;

struct Font
{
    QByteArray family; // a quoted CSS string with fallbacks
    QByteArray size;   // in rem, so that it follows the reader's own font size
    QByteArray weight;
};

// Family names keep letters, digits, blanks and "-_.": nothing that could close the string or the style element.
// A stored size in points becomes rem (12 pt is the browser's 16 px), never below least.
Font fontOf(const QString &text, double defaultPoints, double least)
{
    auto rem = [least](double points) { return QByteArray::number(std::max(points / 12, least), 'g', 4) + "rem"; };
    Font font{"Arial, sans-serif", rem(defaultPoints), "normal"};
    const std::optional<FontText::Fields> fields = FontText::split(text);
    if (!fields)
        return font;
    QString family;
    for (const QChar c : fields->family) {
        if (c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('_') ||
            c == QLatin1Char('.'))
            family.append(c);
    }
    family = family.trimmed();
    if (!family.isEmpty())
        font.family = "\"" + family.toUtf8() + "\", sans-serif";
    static const QRegularExpression sizePattern(QStringLiteral("^\\s*(\\d{1,3}(?:[.,]\\d{1,2})?)\\s*pt\\s*$"),
                                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch size = sizePattern.match(fields->size);
    if (size.hasMatch())
        font.size = rem(std::clamp(size.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(), 6.0, 72.0));
    if (FontText::isBold(fields->weight))
        font.weight = "bold";
    return font;
}

// Custom properties as names (without their "--") and values.
using Properties = QList<QPair<QByteArray, QByteArray>>;

QByteArray declarations(const Properties &properties)
{
    QByteArray out;
    for (const auto &property : properties)
        out.append("--" + property.first + ":" + property.second + ";");
    return out;
}

// The three properties of one role's font: --title-family, --title-size, --title-weight.
Properties fontProperties(const QByteArray &role, const Font &font)
{
    return {{role + "-family", font.family}, {role + "-size", font.size}, {role + "-weight", font.weight}};
}

int position(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::clamp(value, 0, 1000) : 0;
}

QByteArray mediaUrl(const QString &field)
{
    return "url(\"Menu/" + relativeLink(PathMapping::getFileName(field)) + "\")";
}

// The colours of one scheme, each already readable on the surface the text stands on.
struct Palette
{
    Colour page, surface, border, control, title, button, text, link, active, focus;
    Colour onPage; // text straight on the page, outside the cards: the footer
};

// A style's colours in the light scheme as they are, in the dark one with their lightness mirrored on a page made
// dark; a field that names no colour takes another role's colour.
Palette palette(const StyleFields &style, bool dark)
{
    Palette p;
    const Colour back = Colour::read(style.backColor).value_or(white);
    if (dark) {
        p.page = isDark(back) ? back : dimmed(back);
        p.surface = mix(p.page, white, 0.07);
    } else {
        p.page = back;
        p.surface = isDark(back) ? mix(back, white, 0.06) : mix(back, white, 0.8);
    }
    const struct
    {
        Colour Palette::*role;
        QString StyleFields::*field;
        Colour Palette::*otherwise; // none for the text, which falls back to black, or white on a dark page
    } roles[] = {{&Palette::text, &StyleFields::textColor, nullptr},
                 {&Palette::title, &StyleFields::titleColor, &Palette::text},
                 {&Palette::button, &StyleFields::buttonColor, &Palette::text},
                 {&Palette::link, &StyleFields::hyperColor, &Palette::text},
                 {&Palette::active, &StyleFields::hyperColorA, &Palette::link}};
    for (const auto &role : roles) {
        const std::optional<Colour> stored = Colour::read(style.*role.field);
        const Colour otherwise = role.otherwise ? p.*role.otherwise : dark ? white : black;
        p.*role.role = readable(stored ? (dark ? forDarkPage(*stored) : *stored) : otherwise, p.surface, 4.5);
    }
    p.focus = readable(p.active, p.surface, 3);
    p.border = mix(p.surface, p.text, 0.25);
    // What the reader types into or presses stands out from its surface by 3:1.
    p.control = readable(mix(p.surface, p.text, 0.55), p.surface, 3.2);
    p.onPage = readable(p.text, p.page, 4.5);
    return p;
}

// The colours of one scheme as the stylesheet's custom properties.
Properties colourProperties(const Palette &p)
{
    const Properties colours = {{"page", hex(p.page)},       {"surface", hex(p.surface)}, {"border", hex(p.border)},
                                {"control", hex(p.control)}, {"title", hex(p.title)},     {"button", hex(p.button)},
                                {"text", hex(p.text)},       {"link", hex(p.link)},       {"active", hex(p.active)},
                                {"focus", hex(p.focus)},     {"on-page", hex(p.onPage)}};
    return colours;
}

} // namespace

QByteArray relativeLink(const QString &link)
{
    QByteArray out = link.toUtf8().toPercentEncoding("/", "");
    if (out.startsWith('/'))
        out.prepend(".");
    return out;
}

QByteArray css(const StyleFields &style)
{
    Properties light = fontProperties("title", fontOf(style.titleFont, 14, 1.5)) +
                       fontProperties("button", fontOf(style.buttonFont, 10, 1.0625)) +
                       fontProperties("text", fontOf(style.textFont, 10, 1)) +
                       fontProperties("hyper", fontOf(style.hyperFont, 10, 1.0625));
    light.append({"logo-top", QByteArray::number(position(style.logoTop)) + "px"});
    light.append({"logo-left", QByteArray::number(position(style.logoLeft)) + "px"});
    const bool backImage = StyleFields::isSet(style.backImage);
    light.append({"back", backImage ? mediaUrl(style.backImage) : QByteArray("none")});
    if (pictured(style)) {
        light.append({"on", mediaUrl(style.buttonOnImage)});
        light.append({"off", mediaUrl(style.buttonOffImage)});
    }
    light += colourProperties(palette(style, false));
    Properties dark = colourProperties(palette(style, true));
    // A background picture made for a light page is dimmed under light text.
    if (backImage)
        dark.append({"back", "linear-gradient(rgba(0,0,0,.65),rgba(0,0,0,.65))," + mediaUrl(style.backImage)});
    return ":root{" + declarations(light) + "}\n@media (prefers-color-scheme:dark){:root{" + declarations(dark) +
           "}}\n";
}

bool pictured(const StyleFields &style)
{
    return StyleFields::isSet(style.buttonOnImage) && StyleFields::isSet(style.buttonOffImage);
}

} // namespace ModernStyle
