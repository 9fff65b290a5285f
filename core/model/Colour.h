#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// A colour of a style, and the one reader of the texts that stand for one in a style's fields.
struct Colour
{
    int r = 0, g = 0, b = 0;

    // The colour a text names: "RGB(r,g,b)" as the colour pickers write it (any three letters before the
    // parenthesis, blanks around the numbers, fractions rounded half to even, a component above 255 taken as 255),
    // a colour value as a decimal number ("16777215 ", blanks around it), "#rgb", "#rrggbb" (an alpha part after
    // them ignored) or a colour's name. Nothing for a text that names no colour of its own: a system colour (a
    // negative value or component), a name or a "#" form a browser would not know, or no colour text at all.
    static std::optional<Colour> read(const QString &text);
    // Whether a text may stand as a colour in a stylesheet: one that read() takes, one of the forms above that
    // names no colour of its own, or the empty text (an empty declaration).
    static bool isColourText(const QString &text);

    // From and to a colour value, 0x00BBGGRR; the top byte is ignored.
    static Colour fromOle(qint32 value);
    qint32 ole() const { return qint32(r | (g << 8) | (b << 16)); }

    bool operator==(const Colour &other) const { return r == other.r && g == other.g && b == other.b; }
    bool operator!=(const Colour &other) const { return !(*this == other); }
};
