#pragma once

#include "controls/bag/KroPicture.h"

#include <QFont>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The persisted properties of one control: an ordered list of key/text pairs. Keys are compared without regard
// to case; a write keeps the key's place when it already exists. Typed reads fall back to their default when the
// key is absent or its text does not parse. Writes with a default leave the key out (and remove a stale one)
// when the value equals the default.
//
// Text forms: booleans "True"/"False" (read also -1, 0, 1); whole numbers in decimal; colours "0x8000000F"
// (read also decimal, negative decimal and "&H8000000F&"); singles in decimal with a point; fonts
// "Family;Size;Style" with the size in points and the style "Regular" or any of "Bold", "Italic", "Underline",
// "Strikeout" separated by ";" ("MS Sans Serif;9.75;Regular", "Arial;12;Bold;Italic"); pictures as KroPicture.
class PropertyBag
{
public:
    bool contains(const QString &key) const;
    QString value(const QString &key, const QString &defaultValue = QString()) const;
    void setValue(const QString &key, const QString &text);
    void remove(const QString &key);
    QStringList keys() const;
    int count() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.isEmpty(); }
    void clear() { m_items.clear(); }

    QString readString(const QString &key, const QString &defaultValue = QString()) const;
    bool readBool(const QString &key, bool defaultValue) const;
    int readInt(const QString &key, int defaultValue) const;
    quint32 readColor(const QString &key, quint32 defaultValue) const;
    float readFloat(const QString &key, float defaultValue) const;
    QFont readFont(const QString &key, const QFont &defaultValue) const;
    KroPicture readPicture(const QString &key) const; // no object when absent

    void writeString(const QString &key, const QString &value);
    void writeString(const QString &key, const QString &value, const QString &defaultValue);
    void writeBool(const QString &key, bool value);
    void writeBool(const QString &key, bool value, bool defaultValue);
    void writeInt(const QString &key, int value);
    void writeInt(const QString &key, int value, int defaultValue);
    void writeColor(const QString &key, quint32 value);
    void writeColor(const QString &key, quint32 value, quint32 defaultValue);
    void writeFloat(const QString &key, float value, float defaultValue);
    void writeFont(const QString &key, const QFont &value, const QFont &defaultValue);
    void writePicture(const QString &key, const KroPicture &value); // left out when there is no picture object

    static QString boolText(bool value);
    static QString colorText(quint32 value);
    static QString floatText(float value);
    static QString fontText(const QFont &font);
    static bool parseBool(const QString &text, bool *ok);
    static quint32 parseColor(const QString &text, bool *ok);
    static QFont parseFont(const QString &text, bool *ok);

    bool operator==(const PropertyBag &other) const { return m_items == other.m_items; }

private:
    int indexOf(const QString &key) const;

    QList<QPair<QString, QString>> m_items;
};
