#include "core/generate/ColourMaths.h"

#include <algorithm>
#include <cmath>

namespace ColourMaths {

namespace {

struct Hsl
{
    double h = 0, s = 0, l = 0;
};

Hsl toHsl(const Colour &c)
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

Colour fromHsl(const Hsl &c)
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

double luminance(const Colour &c)
{
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}

} // namespace

double contrast(const Colour &a, const Colour &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isDark(const Colour &c)
{
    return luminance(c) < 0.18;
}

Colour readable(const Colour &fg, const Colour &bg, double ratio)
{
    if (contrast(fg, bg) >= ratio)
        return fg;
    Hsl hsl = toHsl(fg);
    const double step = isDark(bg) ? 0.01 : -0.01;
    Colour color = fg;
    while (contrast(color, bg) < ratio && hsl.l > 0 && hsl.l < 1) {
        hsl.l = std::clamp(hsl.l + step, 0.0, 1.0);
        color = fromHsl(hsl);
    }
    return color;
}

Colour mix(const Colour &a, const Colour &b, double share)
{
    auto part = [share](int x, int y) { return int(std::lround(x + (y - x) * share)); };
    return {part(a.r, b.r), part(a.g, b.g), part(a.b, b.b)};
}

Colour forDarkPage(const Colour &c)
{
    Hsl hsl = toHsl(c);
    if (hsl.l < 0.5)
        hsl.l = 1 - hsl.l;
    return fromHsl(hsl);
}

Colour dimmed(const Colour &c)
{
    Hsl hsl = toHsl(c);
    hsl.s = std::min(hsl.s, 0.35);
    hsl.l = 0.09;
    return fromHsl(hsl);
}

QByteArray hex(const Colour &color)
{
    QByteArray out("#");
    for (int v : {color.r, color.g, color.b})
        out += QByteArray::number(v, 16).rightJustified(2, '0');
    return out;
}

} // namespace ColourMaths
