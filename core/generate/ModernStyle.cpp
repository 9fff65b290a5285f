#include "core/generate/ModernStyle.h"

#include "core/model/PathMapping.h"
#include "core/model/FontText.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace ModernStyle {

namespace {

struct Hsl
{
    double h = 0, s = 0, l = 0;
};

Hsl toHsl(const Rgb &c)
{
    const double r = c.r / 255.0, g = c.g / 255.0, b = c.b / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    Hsl out;
    out.l = (high + low) / 2;
    const double d = high - low;
    if (d <= 0)
        return out;
    out.s = out.l > 0.5 ? d / (2 - high - low) : d / (high + low);
    if (high == r)
        out.h = (g - b) / d + (g < b ? 6 : 0);
    else if (high == g)
        out.h = (b - r) / d + 2;
    else
        out.h = (r - g) / d + 4;
    out.h /= 6;
    return out;
}

double hueChannel(double p, double q, double t)
{
    if (t < 0)
        t += 1;
    if (t > 1)
        t -= 1;
    if (t < 1.0 / 6)
        return p + (q - p) * 6 * t;
    if (t < 0.5)
        return q;
    if (t < 2.0 / 3)
        return p + (q - p) * (2.0 / 3 - t) * 6;
    return p;
}

Rgb fromHsl(const Hsl &c)
{
    const double l = std::clamp(c.l, 0.0, 1.0), s = std::clamp(c.s, 0.0, 1.0);
    auto byte = [](double v) { return int(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    if (s <= 0)
        return {byte(l), byte(l), byte(l)};
    const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
    const double p = 2 * l - q;
    return {byte(hueChannel(p, q, c.h + 1.0 / 3)), byte(hueChannel(p, q, c.h)), byte(hueChannel(p, q, c.h - 1.0 / 3))};
}

double channel(int value)
{
    const double v = value / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double luminance(const Rgb &c)
{
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}

Rgb mix(const Rgb &a, const Rgb &b, double share)
{
    auto part = [share](int x, int y) { return int(std::lround(x + (y - x) * share)); };
    return {part(a.r, b.r), part(a.g, b.g), part(a.b, b.b)};
}

const Rgb white{255, 255, 255};
const Rgb black{0, 0, 0};

// Dark enough that white text on it is at its best.
bool isDark(const Rgb &c)
{
    return luminance(c) < 0.18;
}

// The colour itself on a dark page, its lightness mirrored when it was meant for a light one.
Rgb forDarkPage(const Rgb &c)
{
    Hsl hsl = toHsl(c);
    if (hsl.l < 0.5)
        hsl.l = 1 - hsl.l;
    return fromHsl(hsl);
}

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
    Rgb page, surface, border, control, title, button, text, link, active, focus;
    Rgb onPage; // text straight on the page, outside the cards: the footer
};

Palette lightPalette(const StyleFields &style)
{
    Palette p;
    p.page = parseColor(style.backColor).value_or(white);
    p.surface = isDark(p.page) ? mix(p.page, white, 0.06) : mix(p.page, white, 0.8);
    p.text = readable(parseColor(style.textColor).value_or(black), p.surface, 4.5);
    p.title = readable(parseColor(style.titleColor).value_or(p.text), p.surface, 4.5);
    p.button = readable(parseColor(style.buttonColor).value_or(p.text), p.surface, 4.5);
    p.link = readable(parseColor(style.hyperColor).value_or(p.text), p.surface, 4.5);
    p.active = readable(parseColor(style.hyperColorA).value_or(p.link), p.surface, 4.5);
    p.focus = readable(p.active, p.surface, 3);
    p.border = mix(p.surface, p.text, 0.25);
    // What the reader types into or presses stands out from its surface by 3:1.
    p.control = readable(mix(p.surface, p.text, 0.55), p.surface, 3.2);
    p.onPage = readable(p.text, p.page, 4.5);
    return p;
}

Palette darkPalette(const StyleFields &style)
{
    Palette p;
    const Rgb page = parseColor(style.backColor).value_or(white);
    if (isDark(page)) {
        p.page = page;
    } else {
        Hsl hsl = toHsl(page);
        hsl.s = std::min(hsl.s, 0.35);
        hsl.l = 0.09;
        p.page = fromHsl(hsl);
    }
    p.surface = mix(p.page, white, 0.07);
    auto darkened = [&](const QString &text, const Rgb &fallback) {
        const std::optional<Rgb> color = parseColor(text);
        return readable(color ? forDarkPage(*color) : fallback, p.surface, 4.5);
    };
    p.text = darkened(style.textColor, white);
    p.title = darkened(style.titleColor, p.text);
    p.button = darkened(style.buttonColor, p.text);
    p.link = darkened(style.hyperColor, p.text);
    p.active = darkened(style.hyperColorA, p.link);
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
    const Properties colours = {{"page", hex(p.page)},     {"surface", hex(p.surface)}, {"border", hex(p.border)},
                                {"control", hex(p.control)}, {"title", hex(p.title)},     {"button", hex(p.button)},
                                {"text", hex(p.text)},       {"link", hex(p.link)},       {"active", hex(p.active)},
                                {"focus", hex(p.focus)},     {"on-page", hex(p.onPage)}};
    return colours;
}

} // namespace

std::optional<Rgb> parseColor(const QString &text)
{
    static const QRegularExpression rgbPattern(
        QStringLiteral("^\\s*rgb\\(\\s*(\\d{1,3})\\s*,\\s*(\\d{1,3})\\s*,\\s*(\\d{1,3})\\s*\\)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch rgb = rgbPattern.match(text);
    if (rgb.hasMatch()) {
        auto part = [&rgb](int i) { return std::min(rgb.captured(i).toInt(), 255); };
        return Rgb{part(1), part(2), part(3)};
    }
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < 0 || value > 0xFFFFFF)
        return std::nullopt;
    return Rgb{int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF)};
}

double contrast(const Rgb &a, const Rgb &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb readable(const Rgb &fg, const Rgb &bg, double ratio)
{
    if (contrast(fg, bg) >= ratio)
        return fg;
    Hsl hsl = toHsl(fg);
    const double step = isDark(bg) ? 0.01 : -0.01;
    Rgb color = fg;
    while (contrast(color, bg) < ratio && hsl.l > 0 && hsl.l < 1) {
        hsl.l = std::clamp(hsl.l + step, 0.0, 1.0);
        color = fromHsl(hsl);
    }
    return color;
}

QByteArray hex(const Rgb &color)
{
    QByteArray out("#");
    for (int v : {color.r, color.g, color.b})
        out += QByteArray::number(v, 16).rightJustified(2, '0');
    return out;
}

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
    light += colourProperties(lightPalette(style));
    Properties dark = colourProperties(darkPalette(style));
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
