#include "controls/bag/PropertyBag.h"

#include <QLocale>

int PropertyBag::indexOf(const QString &key) const
{
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i).first.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool PropertyBag::contains(const QString &key) const
{
    return indexOf(key) >= 0;
}

QString PropertyBag::value(const QString &key, const QString &defaultValue) const
{
    const int i = indexOf(key);
    return i < 0 ? defaultValue : m_items.at(i).second;
}

void PropertyBag::setValue(const QString &key, const QString &text)
{
    const int i = indexOf(key);
    if (i < 0)
        m_items.append({key, text});
    else
        m_items[i].second = text;
}

void PropertyBag::remove(const QString &key)
{
    const int i = indexOf(key);
    if (i >= 0)
        m_items.removeAt(i);
}

QStringList PropertyBag::keys() const
{
    QStringList result;
    for (const auto &item : m_items)
        result.append(item.first);
    return result;
}

QString PropertyBag::boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString PropertyBag::colorText(quint32 value)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

QString PropertyBag::floatText(float value)
{
    return QString::number(double(value), 'g', 7);
}

QString PropertyBag::fontText(const QFont &font)
{
    double size = font.pointSizeF();
    if (size <= 0 && font.pixelSize() > 0)
        size = font.pixelSize() * 72.0 / 96.0;
    QStringList parts{font.family(), QString::number(size, 'g', 6)};
    if (font.weight() >= QFont::DemiBold)
        parts << QStringLiteral("Bold");
    if (font.italic())
        parts << QStringLiteral("Italic");
    if (font.underline())
        parts << QStringLiteral("Underline");
    if (font.strikeOut())
        parts << QStringLiteral("Strikeout");
    if (parts.size() == 2)
        parts << QStringLiteral("Regular");
    return parts.join(QLatin1Char(';'));
}

bool PropertyBag::parseBool(const QString &text, bool *ok)
{
    const QString t = text.trimmed();
    *ok = true;
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || t == QLatin1String("-1") ||
        t == QLatin1String("1"))
        return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || t == QLatin1String("0"))
        return false;
    *ok = false;
    return false;
}

quint32 PropertyBag::parseColor(const QString &text, bool *ok)
{
    QString t = text.trimmed();
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        return t.mid(2).toUInt(ok, 16);
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        t = t.mid(2);
        if (t.endsWith(QLatin1Char('&')))
            t.chop(1);
        return t.toUInt(ok, 16);
    }
    const qlonglong n = t.toLongLong(ok);
    if (*ok && (n < -2147483648LL || n > 0xFFFFFFFFLL))
        *ok = false;
    return *ok ? quint32(n) : 0;
}

QFont PropertyBag::parseFont(const QString &text, bool *ok)
{
    const QStringList parts = text.split(QLatin1Char(';'));
    *ok = false;
    if (parts.size() < 2 || parts.at(0).trimmed().isEmpty())
        return QFont();
    bool sizeOk = false;
    const double size = QLocale::c().toDouble(parts.at(1).trimmed(), &sizeOk);
    if (!sizeOk || size <= 0)
        return QFont();
    QFont font(parts.at(0).trimmed());
    font.setPointSizeF(size);
    font.setWeight(QFont::Normal);
    for (int i = 2; i < parts.size(); ++i) {
        const QString word = parts.at(i).trimmed();
        if (word.compare(QLatin1String("Bold"), Qt::CaseInsensitive) == 0)
            font.setWeight(QFont::Bold);
        else if (word.compare(QLatin1String("Italic"), Qt::CaseInsensitive) == 0)
            font.setItalic(true);
        else if (word.compare(QLatin1String("Underline"), Qt::CaseInsensitive) == 0)
            font.setUnderline(true);
        else if (word.compare(QLatin1String("Strikeout"), Qt::CaseInsensitive) == 0)
            font.setStrikeOut(true);
        else if (word.compare(QLatin1String("Regular"), Qt::CaseInsensitive) != 0)
            return QFont();
    }
    *ok = true;
    return font;
}

QString PropertyBag::readString(const QString &key, const QString &defaultValue) const
{
    return value(key, defaultValue);
}

bool PropertyBag::readBool(const QString &key, bool defaultValue) const
{
    if (!contains(key))
        return defaultValue;
    bool ok = false;
    const bool v = parseBool(value(key), &ok);
    return ok ? v : defaultValue;
}

int PropertyBag::readInt(const QString &key, int defaultValue) const
{
    if (!contains(key))
        return defaultValue;
    bool ok = false;
    const int v = value(key).trimmed().toInt(&ok);
    return ok ? v : defaultValue;
}

quint32 PropertyBag::readColor(const QString &key, quint32 defaultValue) const
{
    if (!contains(key))
        return defaultValue;
    bool ok = false;
    const quint32 v = parseColor(value(key), &ok);
    return ok ? v : defaultValue;
}

float PropertyBag::readFloat(const QString &key, float defaultValue) const
{
    if (!contains(key))
        return defaultValue;
    bool ok = false;
    const float v = QLocale::c().toFloat(value(key).trimmed(), &ok);
    return ok ? v : defaultValue;
}

QFont PropertyBag::readFont(const QString &key, const QFont &defaultValue) const
{
    if (!contains(key))
        return defaultValue;
    bool ok = false;
    const QFont v = parseFont(value(key), &ok);
    return ok ? v : defaultValue;
}

KroPicture PropertyBag::readPicture(const QString &key) const
{
    return contains(key) ? KroPicture::fromText(value(key)) : KroPicture();
}

void PropertyBag::writeString(const QString &key, const QString &value)
{
    setValue(key, value);
}

void PropertyBag::writeString(const QString &key, const QString &value, const QString &defaultValue)
{
    if (value == defaultValue)
        remove(key);
    else
        setValue(key, value);
}

void PropertyBag::writeBool(const QString &key, bool value)
{
    setValue(key, boolText(value));
}

void PropertyBag::writeBool(const QString &key, bool value, bool defaultValue)
{
    if (value == defaultValue)
        remove(key);
    else
        writeBool(key, value);
}

void PropertyBag::writeInt(const QString &key, int value)
{
    setValue(key, QString::number(value));
}

void PropertyBag::writeInt(const QString &key, int value, int defaultValue)
{
    if (value == defaultValue)
        remove(key);
    else
        writeInt(key, value);
}

void PropertyBag::writeColor(const QString &key, quint32 value)
{
    setValue(key, colorText(value));
}

void PropertyBag::writeColor(const QString &key, quint32 value, quint32 defaultValue)
{
    if (value == defaultValue)
        remove(key);
    else
        writeColor(key, value);
}

void PropertyBag::writeFloat(const QString &key, float value, float defaultValue)
{
    if (value == defaultValue)
        remove(key);
    else
        setValue(key, floatText(value));
}

void PropertyBag::writeFont(const QString &key, const QFont &value, const QFont &defaultValue)
{
    const QString text = fontText(value);
    if (text == fontText(defaultValue))
        remove(key);
    else
        setValue(key, text);
}

void PropertyBag::writePicture(const QString &key, const KroPicture &value)
{
    if (value.isNone())
        remove(key);
    else
        setValue(key, value.toText());
}
