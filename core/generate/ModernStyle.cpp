#include "core/generate/ModernStyle.h"

#include "core/generate/PathMapping.h"
#include "core/styles/FontText.h"

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
    QByteArray size;
    QByteArray weight;
};

// Family names keep letters, digits, blanks and "-_.": nothing that could close the string or the style element.
Font fontOf(const QString &text, const char *defaultSize)
{
    Font font{"Arial, sans-serif", defaultSize, "normal"};
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
    if (size.hasMatch()) {
        const double points =
            std::clamp(size.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(), 6.0, 72.0);
        font.size = QByteArray::number(points, 'g', 4) + "pt";
    }
    if (FontText::isBold(fields->weight))
        font.weight = "bold";
    return font;
}

QByteArray fontDeclarations(const Font &font)
{
    return "font-family:" + font.family + ";font-size:" + font.size + ";font-weight:" + font.weight + ";";
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
    Rgb page, surface, border, title, button, text, link, active, focus;
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
    return p;
}

// The colour rules, written once for the light scheme and once, inside the media query, for the dark one.
QByteArray colourRules(const Palette &p)
{
    QByteArray out;
    out += "body{background-color:" + hex(p.page) + ";color:" + hex(p.text) + "}\n";
    out += ".card,.cat{background-color:" + hex(p.surface) + ";border-color:" + hex(p.border) + "}\n";
    out += "h1{color:" + hex(p.title) + "}\n";
    out += ".cat-b{color:" + hex(p.button) + "}\n";
    out += ".cat-b:hover,.cat-b[aria-expanded=\"true\"]{color:" + hex(p.active) + "}\n";
    out += ".e{border-top-color:" + hex(p.border) + "}\n";
    out += "a,a:link,a:visited,.ic{color:" + hex(p.link) + "}\n";
    out += "a:hover,a:active{color:" + hex(p.active) + "}\n";
    out += "#q{background-color:" + hex(p.page == p.surface ? mix(p.surface, p.text, 0.04) : p.page) +
           ";color:" + hex(p.text) + ";border-color:" + hex(p.border) + "}\n";
    out += "a:focus,button:focus,input:focus,audio:focus{outline:3px solid " + hex(p.focus) + "}\n";
    // The sound's own buttons take the focus inside it; a rule of its own, as older hosts drop what they cannot read.
    out += "audio:focus-within{outline:3px solid " + hex(p.focus) + "}\n";
    return out;
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
    const Font title = fontOf(style.titleFont, "14pt");
    const Font button = fontOf(style.buttonFont, "10pt");
    const Font text = fontOf(style.textFont, "10pt");
    const Font hyper = fontOf(style.hyperFont, "10pt");
    QByteArray out;
    out += "*{box-sizing:border-box}\n";
    // Hosts that predate these elements show them inline otherwise.
    out += "header,nav,main,section,footer{display:block}\n";
    out += "html{-webkit-text-size-adjust:100%;text-size-adjust:100%}\n";
    out += "body{margin:0;line-height:1.45;" + fontDeclarations(text);
    if (StyleFields::isSet(style.backImage))
        out += "background-image:" + mediaUrl(style.backImage) + ";";
    out += "}\n";
    out += ".wrap{max-width:64rem;margin:0 auto;padding:1rem}\n";
    out += ".card{border:1px solid;border-radius:.5rem;padding:1rem;margin-bottom:1rem}\n";
    out += "header.card{display:flex;flex-wrap:wrap;align-items:center}\n";
    out += ".logo{display:block;max-width:100%;height:auto;margin:" + QByteArray::number(position(style.logoTop)) +
           "px 1rem 0 " + QByteArray::number(position(style.logoLeft)) + "px}\n";
    out +=
        "h1{margin:0;flex:1 1 12rem;overflow-wrap:break-word;word-wrap:break-word;" + fontDeclarations(title) + "}\n";
    out += ".tools{display:flex;flex-wrap:wrap;align-items:center}\n";
    out += ".tools label{margin-right:.5rem}\n";
    out += "#q{flex:1 1 14rem;min-width:0;font:inherit;padding:.5rem .6rem;border:1px solid;border-radius:.3rem}\n";
    out += "#count{margin:.5rem 0 0;flex:1 1 100%}\n";
    out += "audio{display:block;width:100%;max-width:24rem;margin-top:.75rem}\n";
    out += ".cat{border:1px solid;border-radius:.5rem;margin-bottom:.75rem}\n";
    out += ".cat h2{margin:0;font-size:1em}\n";
    out += ".cat-b{display:block;width:100%;min-height:2.75rem;text-align:left;padding:.6rem 1rem .6rem 2.25rem;"
           "border:0;border-radius:.5rem;background-color:transparent;background-repeat:no-repeat;"
           "background-position:.5rem center;background-size:1.25rem 1.25rem;cursor:pointer;position:relative;" +
           fontDeclarations(button) + "}\n";
    // The two button images show whether a section is open; with only one of them, the arrows do.
    if (StyleFields::isSet(style.buttonOffImage) && StyleFields::isSet(style.buttonOnImage))
        out += ".cat-b{background-image:" + mediaUrl(style.buttonOffImage) + "}\n" +
               ".cat-b:hover,.cat-b[aria-expanded=\"true\"]{background-image:" + mediaUrl(style.buttonOnImage) + "}\n";
    else
        out += ".cat-b:before{content:\"\\25B8\";position:absolute;left:.85rem}\n"
               ".cat-b[aria-expanded=\"true\"]:before{content:\"\\25BE\"}\n";
    out += ".closed .entries{display:none}\n";
    out += ".entries{list-style:none;margin:0;padding:0 1rem .5rem}\n";
    // Entries off screen are neither laid out nor painted: a menu of thousands opens and filters quickly.
    out += ".e{display:flex;align-items:flex-start;padding:.75rem 0;border-top:1px solid;"
           "content-visibility:auto;contain-intrinsic-size:auto 5rem}\n";
    out += ".ic{flex:none;width:1.75rem;height:1.75rem;margin:.1rem .75rem 0 0;fill:none;stroke:currentColor;"
           "stroke-width:1.6;stroke-linecap:round;stroke-linejoin:round}\n";
    out += ".eb{flex:1 1 auto;min-width:0;overflow-wrap:break-word;word-wrap:break-word}\n";
    out += ".et{margin:0;" + fontDeclarations(hyper) + "}\n";
    out += ".em{margin:.15rem 0 .3rem;font-size:.9em;opacity:.9}\n";
    out += ".ed p{margin:0 0 .4rem}\n";
    out += ".shot{flex:none;display:block;max-width:10rem;height:auto;margin-left:.75rem}\n";
    out += "nav ul{margin:0;padding:0 0 0 1.25rem}\n";
    out += "nav h2{margin:0 0 .5rem;font-size:1em}\n";
    out += "footer{padding:.5rem 0 1.5rem;text-align:center}\n";
    out += "a:focus,button:focus,input:focus,audio:focus{outline-offset:2px}\n";
    // Filtered out by the search: above every display rule.
    out += ".off{display:none!important}\n";
    out += ".sr{position:absolute;width:1px;height:1px;overflow:hidden;clip:rect(0 0 0 0);white-space:nowrap}\n";
    out += "@media (max-width:37.5rem){.wrap{padding:.5rem}.logo{margin-left:0}"
           ".e{flex-wrap:wrap}.shot{max-width:calc(100% - 2.5rem);margin:.5rem 0 0 2.5rem}}\n";
    out += colourRules(lightPalette(style));
    out += "@media (prefers-color-scheme:dark){\n" + colourRules(darkPalette(style));
    if (StyleFields::isSet(style.backImage))
        out += "body{background-image:linear-gradient(rgba(0,0,0,.65),rgba(0,0,0,.65))," + mediaUrl(style.backImage) +
               "}\n";
    out += "}\n";
    return out;
}

} // namespace ModernStyle
