#pragma once

#include <QString>

// Every word a Modern page writes of its own, in one table keyed by language code. A language the table lacks
// takes the English words; the page still names its own language.
struct ModernPageWords
{
    const char *language;
    const char *search;        // the search box's label
    const char *searchHint;    // its placeholder
    const char *entry;         // one entry: "1 entry"
    const char *entries;       // more: "%1 entries"
    const char *shownOf;       // a search's result: "%1 of %2 entries"
    const char *noResult;      // a search that finds nothing
    const char *clear;         // the button that clears it
    const char *skip;          // the skip link
    const char *categories;    // the label of the category chips
    const char *otherCategory; // entries without a category
    const char *kinds[7];      // Document, Archive, Program, Image, Audio, Video, Other (ModernPage::Kind order)
    const char *byte;          // "1 byte"
    const char *bytes;         // "%1 bytes"
    const char *units[5];      // KB MB GB TB PB
    char decimal;              // in sizes: "1.4 MB", "1,4 MB"
    const char *group;         // between thousands in counts
    const char *play;          // the sound button
    const char *pause;
    const char *soundLink;   // the fallback for hosts that cannot play the sound
    const char *screenshot;  // a thumbnail's link: "Full-size screenshot: %1"
    const char *description; // the page's meta description: "%1: a menu of %2"
    const char *madeWith;    // the footer
    const char *printed;     // printed above the entries: where the links point

    // The words of a language code ("de", "de-AT" and "DE" alike); English for a language the table lacks.
    static const ModernPageWords &of(const QString &language);
    // The code the page names (MenuLanguage::pageCode).
    static QString code(const QString &language);
    // Right-to-left scripts: the page mirrors.
    static bool isRightToLeft(const QString &language);
};
