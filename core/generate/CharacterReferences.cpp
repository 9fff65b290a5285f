#include "core/generate/CharacterReferences.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

struct Named
{
    const char *name;
    char16_t character;
    bool legacy = false; // also read without the closing ";"
};

// Sorted by name (byte order), for a binary search.
// clang-format off
const Named named[] = {
    {"AElig", 0xC6, true}, {"AMP", 0x26, true}, {"Aacute", 0xC1, true}, {"Acirc", 0xC2, true},
    {"Agrave", 0xC0, true}, {"Aring", 0xC5, true}, {"Atilde", 0xC3, true}, {"Auml", 0xC4, true},
    {"COPY", 0xA9, true}, {"Ccedil", 0xC7, true}, {"Cedilla", 0xB8}, {"CenterDot", 0xB7}, {"DiacriticalAcute", 0xB4},
    {"DiacriticalGrave", 0x60}, {"Dot", 0xA8}, {"DoubleDot", 0xA8}, {"ETH", 0xD0, true}, {"Eacute", 0xC9, true},
    {"Ecirc", 0xCA, true}, {"Egrave", 0xC8, true}, {"Euml", 0xCB, true}, {"GT", 0x3E, true}, {"Hat", 0x5E},
    {"Iacute", 0xCD, true}, {"Icirc", 0xCE, true}, {"Igrave", 0xCC, true}, {"Iuml", 0xCF, true}, {"LT", 0x3C, true},
    {"NewLine", 0xA}, {"NonBreakingSpace", 0xA0}, {"Ntilde", 0xD1, true}, {"Oacute", 0xD3, true},
    {"Ocirc", 0xD4, true}, {"Ograve", 0xD2, true}, {"Oslash", 0xD8, true}, {"Otilde", 0xD5, true},
    {"Ouml", 0xD6, true}, {"PlusMinus", 0xB1}, {"QUOT", 0x22, true}, {"REG", 0xAE, true}, {"THORN", 0xDE, true},
    {"Tab", 0x9}, {"Uacute", 0xDA, true}, {"Ucirc", 0xDB, true}, {"Ugrave", 0xD9, true}, {"UnderBar", 0x5F},
    {"Uuml", 0xDC, true}, {"VerticalLine", 0x7C}, {"Yacute", 0xDD, true}, {"aacute", 0xE1, true},
    {"acirc", 0xE2, true}, {"acute", 0xB4, true}, {"aelig", 0xE6, true}, {"agrave", 0xE0, true}, {"amp", 0x26, true},
    {"angst", 0xC5}, {"apos", 0x27}, {"aring", 0xE5, true}, {"ast", 0x2A}, {"atilde", 0xE3, true},
    {"auml", 0xE4, true}, {"brvbar", 0xA6, true}, {"bsol", 0x5C}, {"ccedil", 0xE7, true}, {"cedil", 0xB8, true},
    {"cent", 0xA2, true}, {"centerdot", 0xB7}, {"circledR", 0xAE}, {"colon", 0x3A}, {"comma", 0x2C},
    {"commat", 0x40}, {"copy", 0xA9, true}, {"curren", 0xA4, true}, {"deg", 0xB0, true}, {"die", 0xA8},
    {"div", 0xF7}, {"divide", 0xF7, true}, {"dollar", 0x24}, {"eacute", 0xE9, true}, {"ecirc", 0xEA, true},
    {"egrave", 0xE8, true}, {"equals", 0x3D}, {"eth", 0xF0, true}, {"euml", 0xEB, true}, {"excl", 0x21},
    {"frac12", 0xBD, true}, {"frac14", 0xBC, true}, {"frac34", 0xBE, true}, {"grave", 0x60}, {"gt", 0x3E, true},
    {"half", 0xBD}, {"iacute", 0xED, true}, {"icirc", 0xEE, true}, {"iexcl", 0xA1, true}, {"igrave", 0xEC, true},
    {"iquest", 0xBF, true}, {"iuml", 0xEF, true}, {"laquo", 0xAB, true}, {"lbrace", 0x7B}, {"lbrack", 0x5B},
    {"lcub", 0x7B}, {"lowbar", 0x5F}, {"lpar", 0x28}, {"lsqb", 0x5B}, {"lt", 0x3C, true}, {"macr", 0xAF, true},
    {"micro", 0xB5, true}, {"midast", 0x2A}, {"middot", 0xB7, true}, {"nbsp", 0xA0, true}, {"not", 0xAC, true},
    {"ntilde", 0xF1, true}, {"num", 0x23}, {"oacute", 0xF3, true}, {"ocirc", 0xF4, true}, {"ograve", 0xF2, true},
    {"ordf", 0xAA, true}, {"ordm", 0xBA, true}, {"oslash", 0xF8, true}, {"otilde", 0xF5, true}, {"ouml", 0xF6, true},
    {"para", 0xB6, true}, {"percnt", 0x25}, {"period", 0x2E}, {"plus", 0x2B}, {"plusmn", 0xB1, true}, {"pm", 0xB1},
    {"pound", 0xA3, true}, {"quest", 0x3F}, {"quot", 0x22, true}, {"raquo", 0xBB, true}, {"rbrace", 0x7D},
    {"rbrack", 0x5D}, {"rcub", 0x7D}, {"reg", 0xAE, true}, {"rpar", 0x29}, {"rsqb", 0x5D}, {"sect", 0xA7, true},
    {"semi", 0x3B}, {"shy", 0xAD, true}, {"sol", 0x2F}, {"strns", 0xAF}, {"sup1", 0xB9, true}, {"sup2", 0xB2, true},
    {"sup3", 0xB3, true}, {"szlig", 0xDF, true}, {"thorn", 0xFE, true}, {"times", 0xD7, true},
    {"uacute", 0xFA, true}, {"ucirc", 0xFB, true}, {"ugrave", 0xF9, true}, {"uml", 0xA8, true}, {"uuml", 0xFC, true},
    {"verbar", 0x7C}, {"vert", 0x7C}, {"yacute", 0xFD, true}, {"yen", 0xA5, true}, {"yuml", 0xFF, true}
};
// clang-format on

bool isAsciiLetterOrDigit(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int value = 99;
    if (u >= '0' && u <= '9')
        value = u - '0';
    else if (u >= 'a' && u <= 'f')
        value = u - 'a' + 10;
    else if (u >= 'A' && u <= 'F')
        value = u - 'A' + 10;
    return value < base ? value : -1;
}

const Named *find(QStringView name)
{
    if (name.size() > 32)
        return nullptr;
    const QByteArray key = name.toLatin1();
    const Named *end = std::end(named);
    const Named *at = std::lower_bound(std::begin(named), end, key, [](const Named &row, const QByteArray &k) {
        return std::strcmp(row.name, k.constData()) < 0;
    });
    return at != end && key == at->name ? at : nullptr;
}

// What a browser makes of the code point a numeric reference names.
char32_t numericCharacter(char32_t code)
{
    // The C1 range is read as Windows-1252, as pages of old did mean it.
    static const char16_t c1[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                    0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0xFFFD;
    if (code >= 0x80 && code <= 0x9F)
        return c1[code - 0x80];
    return code;
}

// Decodes the numeric reference at value[at] ("&#..."), appending it; gives the characters it took, or 0.
qsizetype decodeNumeric(QStringView value, qsizetype at, QString &out)
{
    qsizetype i = at + 2;
    int base = 10;
    if (i < value.size() && (value[i] == QLatin1Char('x') || value[i] == QLatin1Char('X'))) {
        base = 16;
        ++i;
    }
    const qsizetype digits = i;
    char32_t code = 0;
    for (int digit; i < value.size() && (digit = digitValue(value[i], base)) >= 0; ++i)
        code = code > 0x10FFFF ? code : code * char32_t(base) + char32_t(digit);
    if (i == digits)
        return 0;
    if (i < value.size() && value[i] == QLatin1Char(';'))
        ++i;
    const char32_t character = numericCharacter(code);
    out += QStringView(QChar::fromUcs4(character));
    return i - at;
}

// Decodes the named reference at value[at] ("&name;"), appending it; gives the characters it took, or 0.
qsizetype decodeNamed(QStringView value, qsizetype at, QString &out)
{
    qsizetype end = at + 1;
    while (end < value.size() && end - at <= 33 && isAsciiLetterOrDigit(value[end]))
        ++end;
    const QStringView name = value.mid(at + 1, end - at - 1);
    if (end < value.size() && value[end] == QLatin1Char(';')) {
        if (const Named *row = find(name)) {
            out += QChar(row->character);
            return end + 1 - at;
        }
    }
    // The longest old name it begins with, unless the name goes on (a browser leaves "&copyright=" alone).
    for (qsizetype length = name.size(); length > 0; --length) {
        const Named *row = find(name.left(length));
        if (!row || !row->legacy)
            continue;
        const qsizetype next = at + 1 + length;
        if (next < value.size() && (isAsciiLetterOrDigit(value[next]) || value[next] == QLatin1Char('=')))
            return 0;
        out += QChar(row->character);
        return 1 + length;
    }
    return 0;
}

} // namespace

QString CharacterReferences::decodedAttribute(QStringView value)
{
    QString out;
    out.reserve(value.size());
    qsizetype plain = 0;
    for (qsizetype i = value.indexOf(QLatin1Char('&')); i >= 0; i = value.indexOf(QLatin1Char('&'), i)) {
        out += value.mid(plain, i - plain);
        QString decoded;
        const bool numeric = i + 1 < value.size() && value[i + 1] == QLatin1Char('#');
        const qsizetype taken = numeric ? decodeNumeric(value, i, decoded) : decodeNamed(value, i, decoded);
        if (taken > 0) {
            out += decoded;
            i += taken;
        } else {
            out += QLatin1Char('&');
            ++i;
        }
        plain = i;
    }
    out += value.mid(plain);
    return out;
}

qsizetype CharacterReferences::wellFormedLength(QStringView text, qsizetype at)
{
    qsizetype i = at + 1;
    auto run = [&text, &i](auto accepts, qsizetype most) {
        const qsizetype from = i;
        while (i < text.size() && i - from < most && accepts(text[i]))
            ++i;
        return i - from;
    };
    qsizetype length = 0;
    if (i < text.size() && text[i] == QLatin1Char('#')) {
        ++i;
        const bool hex = i < text.size() && (text[i] == QLatin1Char('x') || text[i] == QLatin1Char('X'));
        i += hex ? 1 : 0;
        length = hex ? run([](QChar c) { return digitValue(c, 16) >= 0; }, 6)
                     : run([](QChar c) { return digitValue(c, 10) >= 0; }, 7);
    } else if (i < text.size() && text[i].isLetter() && text[i].unicode() < 0x80) {
        length = run(isAsciiLetterOrDigit, 32) >= 2 ? 1 : 0;
    }
    return length > 0 && i < text.size() && text[i] == QLatin1Char(';') ? i + 1 - at : 0;
}
