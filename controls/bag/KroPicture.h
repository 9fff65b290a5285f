#pragma once

#include <QByteArray>
#include <QImage>
#include <QMetaType>
#include <QString>

// A picture property value. It tells "no picture object" from "an empty picture object" (a picture loaded
// from an empty file name), because the image button swaps pictures only when an active picture object exists.
// The encoded file bytes (PNG, GIF, ...) are kept as they were loaded, so saving never re-encodes a GIF.
//
// Text form in a property bag: a data URL, "data:image/png;base64,<data>"; an empty picture object is "data:,".
class KroPicture
{
public:
    KroPicture() = default; // no picture object

    static KroPicture emptyObject();
    // Encoded image bytes as read from a file; empty bytes give an empty picture object.
    static KroPicture fromData(const QByteArray &encoded);
    static KroPicture fromImage(const QImage &image); // stored as PNG
    // An empty path gives an empty picture object; an unreadable or undecodable file gives no object and an error.
    static KroPicture fromFile(const QString &path, QString *error = nullptr);
    static KroPicture fromText(const QString &text); // no object when the text is not a picture

    bool isNone() const { return !m_exists; }
    bool hasImage() const { return m_exists && !m_data.isEmpty(); }
    QByteArray data() const { return m_data; }
    QString mimeType() const;
    QImage image() const;
    QString toText() const; // empty for no object

    bool operator==(const KroPicture &other) const { return m_exists == other.m_exists && m_data == other.m_data; }
    bool operator!=(const KroPicture &other) const { return !(*this == other); }

private:
    bool m_exists = false;
    QByteArray m_data;
};

Q_DECLARE_METATYPE(KroPicture)
