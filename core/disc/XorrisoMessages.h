#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// xorriso's messages as they arrive in pieces: whole lines, with its own reasons and the last lines kept for the
// message when it fails. Shared by the disc image and the burn.
class XorrisoMessages
{
public:
    void clear();
    // Adds what xorriso wrote; gives the lines it completed, blanks trimmed, empty ones left out.
    QStringList add(const QByteArray &bytes);
    // xorriso's failure lines, or its last lines when it gave none, one a line.
    QString why() const;

    // A line in which xorriso says why it failed.
    static bool isReason(const QString &line);

private:
    QByteArray m_pending;    // an unfinished line
    QStringList m_reasons;   // at most 20
    QStringList m_lastLines; // at most 8
};
