#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// Every word a Modern page writes of its own, in the menu's language. The words are Velmora's translations (the
// context "ModernPage" of translations/velmora_XX.ts), compiled into the program, so that a build finds them
// wherever the program lies. A language without them takes the English words; the page still names its own language.
class ModernPageWords
{
public:
    // "de", "de-AT" and "DE" alike.
    explicit ModernPageWords(const QString &language);

    QString search;        // the search box's label
    QString searchHint;    // its placeholder
    QString entry;         // one entry: "1 entry"
    QString entries;       // more: "%1 entries"
    QString shownOf;       // a search's result: "%1 of %2 entries"
    QString noResult;      // a search that finds nothing
    QString clear;         // the button that clears it
    QString skip;          // the skip link
    QString categories;    // the label of the category chips
    QString otherCategory; // entries without a category
    QStringList kinds;     // Document, Archive, Program, Image, Audio, Video, Other (ModernPage::Kind order)
    QString byte;          // "1 byte"
    QString bytes;         // "%1 bytes"
    QStringList units;     // KB MB GB TB PB
    QString play;          // the sound button
    QString pause;
    QString soundLink;   // the fallback for hosts that cannot play the sound
    QString screenshot;  // a thumbnail's link: "Full-size screenshot: %1"
    QString description; // the page's meta description: "%1: a menu of %2"
    QString madeWith;    // the footer
    QString printed;     // printed above the entries: where the links point

    // A whole number in the words' own digits: "12345", "١٢٣٤٥".
    QString digits(qint64 value) const { return m_locale.toString(value); }
    // The same, thousands apart (counts): "12,345", "12.345", "١٢٬٣٤٥".
    QString number(qint64 value) const;
    // A number with one decimal: "1.4", "1,4", "١٫٤".
    QString oneDecimal(double value) const;
    // What the script needs to write numbers as number() does.
    QString groupSeparator() const { return m_locale.groupSeparator(); }
    QString zeroDigit() const { return m_locale.zeroDigit(); }

    // The code the page names (MenuLanguage::pageCode).
    static QString code(const QString &language);
    // Right-to-left scripts: the page mirrors.
    static bool isRightToLeft(const QString &language);

private:
    QLocale m_locale; // of the words' language: English when there are none in the language asked for
};
