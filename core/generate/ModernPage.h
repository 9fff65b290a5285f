#pragma once

#include "core/model/MenuSnapshot.h"
#include "core/generate/ModernPageWords.h"
#include "core/model/StepResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class QIODevice;

// One entry as a Modern page shows it, as stored in tblDetails.
struct ModernEntry
{
    QString title;       // FileName
    QString link;        // FileLink: relative to the CD root, forward slashes
    QString description; // shown with its markup
    QString category;
    QString screenshot; // a file name in the Menu folder, or empty / "none"
};

// Writes a Modern page: UTF-8 HTML5 that works in current browsers and, being ES5 with IE=edge, in the HTA host.
// Entries are pulled one at a time and never kept, so a page of any size is written in little memory; they must
// come ordered by category, as each change of category (letter case aside) starts a new section. The entries go to a
// temporary file first, so that the categories with their counts can stand before them.
class ModernPage
{
public:
    // Fills the entry and returns true, or returns false when there are no more.
    using EntrySource = std::function<bool(ModernEntry &)>;

    enum class Kind { Document, Archive, Program, Image, Audio, Video, Other };

    // The snapshot's rootPath is where the entries' files are found for their sizes (empty: no sizes).
    ModernPage(const MenuSnapshot &snapshot, bool screenshots);

    static bool isModern(const QString &templateName) { return MenuTemplate::modernNames().contains(templateName); }

    // Fails with the reason when the device fails. Entries are counted in entryCount().
    StepResult write(QIODevice *device, const EntrySource &next);
    int entryCount() const { return m_entries; }

    // "512 bytes", "812 KB", "1.4 GB": binary units, one decimal below ten, in the words and number format of words.
    static QString sizeText(qint64 bytes, const ModernPageWords &words);
    // By the extension of the link.
    static Kind kindOf(const QString &link);

private:
    bool writeAll(QIODevice *device, const EntrySource &next);
    void head();
    void header();
    void toolbar();
    bool present(const QString &mediaField) const;
    // A style medium: in Menu, or the file the build copies there.
    bool styleMediumPresent(const QString &mediaField) const;
    // The style with the pictures that are missing left out.
    StyleFields presentStyle() const;
    QString countText(qint64 count) const;
    void openSection(const QString &category);
    void closeSection();
    void entry(const ModernEntry &entry);
    bool ending(QIODevice *files); // files: the list of the entries' files
    bool flush(bool force);
    bool flushFiles(QIODevice *files, bool force);

    void text(const QString &value); // HTML-escaped
    void text(const char *utf8) { text(QString::fromUtf8(utf8)); }
    void raw(const QByteArray &bytes) { m_buffer += bytes; }
    void raw(const char *bytes) { m_buffer += bytes; }

    const MenuSnapshot &m_snapshot;
    const bool m_screenshots;
    QIODevice *m_device = nullptr;
    QByteArray m_buffer;
    QByteArray m_files; // the entries' files as JSON strings, for the script
    const ModernPageWords m_words;
    QStringList m_categories; // for the list of sections before the entries
    QList<int> m_counts;      // their entries
    int m_entries = 0;
    QString m_error;
};
