#include "core/generate/ModernStyle.h"

#include "core/generate/PathMapping.h"
#include "core/styles/FontText.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <iterator>

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
    Rgb page, surface, border, control, title, button, text, link, active, focus;
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
    return p;
}

// The colour rules, written once for the light scheme and once, inside the media query, for the dark one.
QByteArray colourRules(const Palette &p)
{
    QByteArray out;
    out += "body{background-color:" + hex(p.page) + ";color:" + hex(p.text) + "}\n";
    out += ".card,.cat,.skip{background-color:" + hex(p.surface) + ";border-color:" + hex(p.border) + "}\n";
    out += "h1{color:" + hex(p.title) + "}\n";
    // Open or closed, a section's heading keeps the style's button colour; the arrow or button image tells which.
    out += ".cat-b,.cat h2{color:" + hex(p.button) + "}\n";
    out += ".e{border-top-color:" + hex(p.border) + "}\n";
    out += "a,a:link,a:visited{color:" + hex(p.link) + "}\n";
    out += "a:hover,a:active{color:" + hex(p.active) + "}\n";
    out += "#q,#chips a,#clear,#play{background-color:" + hex(p.surface) + ";color:" + hex(p.text) +
           ";border-color:" + hex(p.control) + "}\n";
    out += "#chips a{color:" + hex(p.link) + "}\n";
    out += "a:focus,button:focus,input:focus,audio:focus,main:focus{outline:3px solid " + hex(p.focus) + "}\n";
    // The sound's own buttons take the focus inside it; a rule of its own, as older hosts drop what they cannot read.
    out += "audio:focus-within{outline:3px solid " + hex(p.focus) + "}\n";
    return out;
}

// The type icons, one small picture each that the entries share, drawn in the text colour through a mask.
QByteArray iconRules()
{
    static const char *const shapes[] = {
        "<path d='M6 2h8l4 4v16H6z'/><path d='M14 2v4h4M9 12h6M9 16h6'/>",
        "<path d='M4 8h16v12H4zM3 4h18v4H3z'/><path d='M10 12h4'/>",
        "<path d='M3 4h18v16H3zM3 8h18'/><path d='M7 12l3 2-3 2M12 16h5'/>",
        "<path d='M3 4h18v16H3z'/><path d='M3 17l5-5 4 4 3-3 6 6'/><circle cx='16' cy='9' r='1.5'/>",
        "<path d='M9 18V5l11-2v13'/><circle cx='6' cy='18' r='3'/><circle cx='17' cy='16' r='3'/>",
        "<path d='M3 6h13v12H3zM16 10l5-3v10l-5-3'/>",
        "<path d='M6 2h8l4 4v16H6z'/><path d='M14 2v4h4'/>",
    };
    QByteArray out = "@supports (mask-image:none) or (-webkit-mask-image:none){\n"
                     ".e:before{content:\"\";flex:none;width:1.75rem;height:1.75rem;margin-block-start:.1rem;"
                     "margin-inline-end:.75rem;background-color:currentColor;-webkit-mask:var(--i) center/contain "
                     "no-repeat;mask:var(--i) center/contain no-repeat}\n";
    for (int i = 0; i < int(std::size(shapes)); ++i) {
        const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 24 24' fill='none' stroke='#000' "
                               "stroke-width='1.6' stroke-linecap='round' stroke-linejoin='round'>" +
                               QByteArray(shapes[i]) + "</svg>";
        out += ".k" + QByteArray::number(i) + "{--i:url(\"data:image/svg+xml," + svg.toPercentEncoding("/:=' .-", "") +
               "\")}\n";
    }
    return out + "}\n";
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
    const Font title = fontOf(style.titleFont, 14, 1.5);
    const Font button = fontOf(style.buttonFont, 10, 1.0625);
    const Font text = fontOf(style.textFont, 10, 1);
    const Font hyper = fontOf(style.hyperFont, 10, 1.0625);
    QByteArray out;
    out += "*{box-sizing:border-box}\n";
    // Hosts that predate these elements show them inline otherwise.
    out += "header,nav,main,section,footer{display:block}\n";
    out += "html{-webkit-text-size-adjust:100%;text-size-adjust:100%}\n";
    out += "body{margin:0;line-height:1.5;" + fontDeclarations(text);
    if (StyleFields::isSet(style.backImage))
        out += "background-image:" + mediaUrl(style.backImage) +
               ";background-size:cover;background-position:center;background-attachment:fixed;";
    out += "}\n";
    out += ".skip{position:absolute;inset-inline-start:1rem;top:-10rem;padding:.5rem 1rem;border:2px solid;"
           "z-index:2}\n.skip:focus{top:.5rem}\n";
    out += ".wrap{max-width:64rem;margin:0 auto;padding:1rem}\n";
    out += ".card{border:1px solid;border-radius:.5rem;padding:1rem;margin-bottom:1rem}\n";
    out += "header.card{display:flex;flex-wrap:wrap;align-items:center;gap:.75rem}\n";
    out += ".logo{display:block;max-width:100%;padding:.25rem;border-radius:.4rem;margin-block-start:" +
           QByteArray::number(position(style.logoTop)) +
           "px;margin-inline-start:" + QByteArray::number(position(style.logoLeft)) + "px}\n";
    out += ".logo img{display:block;max-width:100%;height:auto}\n";
    out += "h1{margin:0;flex:1 1 12rem;line-height:1.25;overflow-wrap:break-word;word-wrap:break-word;" +
           fontDeclarations(title) + "}\n";
    out += "#play{font:inherit;padding:.4rem .8rem;border:1px solid;border-radius:1.2rem;cursor:pointer;"
           "min-height:2.75rem}\n#play:before{content:\"\\25B6\\FE0E\";margin-inline-end:.4rem}\n"
           "#play.on:before{content:\"\\2016\"}\n";
    out += "audio{display:block;width:100%;max-width:24rem}\n";
    out += ".bar{position:-webkit-sticky;position:sticky;top:0;z-index:1;padding:.75rem 1rem}\n";
    out += ".tools{display:flex;flex-wrap:wrap;align-items:center;gap:.5rem}\n";
    out += "#q{flex:1 1 14rem;min-width:0;font:inherit;padding:.5rem .6rem;border:2px solid;border-radius:.3rem;"
           "min-height:2.75rem}\n";
    out += "#count,#none{margin:0;flex:1 1 100%}\n";
    out += "#clear{font:inherit;border:1px solid;border-radius:.3rem;padding:.3rem .7rem;margin-inline-start:.5rem;"
           "cursor:pointer;min-height:2.75rem}\n";
    out += "#chips ul{list-style:none;margin:.5rem 0 0;padding:0;display:flex;gap:.4rem;overflow-x:auto;"
           "white-space:nowrap;padding-block-end:.2rem}\n";
    out += "#chips a{display:inline-block;padding:.35rem .75rem;border:1px solid;border-radius:1.2rem;"
           "text-decoration:none;min-height:2.75rem;line-height:1.9}\n#chips a:hover{text-decoration:underline}\n";
    out += ".n{font-weight:bold}\n";
    out += ".print{display:none}\n";
    out += ".cat{border:1px solid;border-radius:.5rem;margin-bottom:.75rem;scroll-margin-top:9rem}\n";
    out += ".cat h2{margin:0;padding:.6rem 1rem;" + fontDeclarations(button) + "}\n";
    out += ".cat h2.hb{padding:0}\n";
    out += ".cat-b{display:block;width:100%;min-height:2.75rem;text-align:start;padding-block:.6rem;"
           "padding-inline:2.25rem 1rem;border:0;border-radius:.5rem;background-color:transparent;"
           "background-repeat:no-repeat;background-position:.5rem center;background-size:1.25rem 1.25rem;"
           "cursor:pointer;position:relative;font:inherit;color:inherit}\n.cat-b:hover{text-decoration:underline}\n";
    // The two button images show whether a section is open; with only one of them, the arrows do.
    if (StyleFields::isSet(style.buttonOffImage) && StyleFields::isSet(style.buttonOnImage))
        out += ".cat-b{background-image:" + mediaUrl(style.buttonOffImage) + "}\n" +
               ".cat-b[aria-expanded=\"true\"]{background-image:" + mediaUrl(style.buttonOnImage) + "}\n" +
               "[dir=rtl] .cat-b{background-position:right .5rem center}\n";
    else
        out += ".cat-b:before{content:\"\\25B8\";position:absolute;inset-inline-start:.85rem}\n"
               "[dir=rtl] .cat-b:before{content:\"\\25C2\"}\n"
               ".cat-b[aria-expanded=\"true\"]:before{content:\"\\25BE\"}\n";
    out += ".closed .entries{display:none}\n";
    // In a large menu a list out of view (a section, or a hundred entries of a long one) is neither styled nor laid
    // out, and so neither is any of its entries (a small menu is spared the shift when a placeholder size gives way
    // to its own). Only the lists: the same on each entry inside them kept Firefox busy for most of a minute after
    // the load at 10,000 entries.
    out += ".entries{list-style:none;margin:0;padding:0 1rem .5rem}\n"
           ".big .entries{content-visibility:auto;contain-intrinsic-size:auto 40rem}\n"
           ".big .entries+.entries{contain-intrinsic-size:auto 600rem;margin-top:-.5rem}\n";
    out += ".e{display:flex;align-items:flex-start;padding:.75rem 0;border-top:1px solid}\n";
    out += ".eb{flex:1 1 0;min-width:0;overflow-wrap:break-word;word-wrap:break-word}\n";
    out += ".e h3{margin:0;" + fontDeclarations(hyper) + "}\n";
    out += ".em{margin:.15rem 0 .3rem;font-size:.9375rem}\n";
    out += ".ed p{margin:0 0 .4rem}\n";
    out += ".shot{flex:none;display:block;margin-inline-start:.75rem}\n";
    out += ".shot img{display:block;width:10rem;height:6.25rem;object-fit:contain;border-radius:.3rem}\n";
    out += "footer{padding:.5rem 0 1.5rem;text-align:center}\n";
    out += "a:focus,button:focus,input:focus,audio:focus{outline-offset:2px}\n";
    // Only a keyboard's focus shows the ring where the host can tell; older hosts drop this rule and always show it.
    out += "a:focus:not(:focus-visible),button:focus:not(:focus-visible),main:focus:not(:focus-visible)"
           "{outline:none}\n";
    // Filtered out by the search: above every display rule. Closed sections open while a search runs.
    out += ".off,.none{display:none!important}\n.closed.sought>.entries{display:block}\n";
    out += "@media (max-width:37.5rem){.wrap{padding:.5rem}.e{flex-wrap:wrap}"
           ".eb{flex-basis:calc(100% - 2.5rem)}.shot{margin-block-start:.5rem;margin-inline-start:2.5rem}}\n";
    out += iconRules();
    out += colourRules(lightPalette(style));
    out += "@media (prefers-color-scheme:dark){\n" + colourRules(darkPalette(style));
    // A logo made for a light page keeps a light backdrop.
    out += ".logo{background-color:#f4f4f4}\n";
    if (StyleFields::isSet(style.backImage))
        out += "body{background-image:linear-gradient(rgba(0,0,0,.65),rgba(0,0,0,.65))," + mediaUrl(style.backImage) +
               "}\n";
    out += "}\n";
    // On paper: every entry with its link, no toolbar and no sound.
    out += "@media print{.bar,.skip,audio,#play,.e:before{display:none!important}"
           "body{background:none;color:#000}.card,.cat{border-color:#888}"
           ".closed .entries,.off,.none{display:block!important}.entries{content-visibility:visible}"
           ".print{display:block}.eb h3 a:after{content:\" (\" attr(href) \")\";font-weight:normal}"
           "a,a:link,a:visited,.cat-b,.cat h2,h1{color:#000}}\n";
    return out;
}

} // namespace ModernStyle
