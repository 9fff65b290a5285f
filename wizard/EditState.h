#pragma once

#include "core/data/Recordset.h"
#include "core/generate/MenuSnapshot.h"

#include <QString>
#include <memory>
#include <optional>

class clsData;

// What the wizard is editing: the menu and its style as the pages last saved them, and the database they live in.
// The window owns it and hands it to every page; a page loads from it and saves its own part into it.
class EditState
{
public:
    explicit EditState(const QString &databasePath);
    ~EditState();
    EditState(const EditState &) = delete;
    EditState &operator=(const EditState &) = delete;

    clsData &data() const { return *m_data; }

    // The menu as the build and the disc check read it; the autorun files come from programFolder.
    MenuSnapshot snapshot(const QString &programFolder) const;

    qint32 menuId = 0;   // 0 while the menu on the pages was never stored
    bool loaded = false; // the menu was opened with Load
    QString title;
    QString templateName;
    QString language = MenuLanguage::english(); // the page's language code
    QString rootFolder; // the CD root as the general page shows it; empty until a folder is chosen
    // The CD root with its trailing separator, for building paths; empty until a folder is chosen.
    QString rootPath() const;
    qint32 styleId = 0;
    std::optional<Recordset> styleRow; // the loaded style's row, from loading until saving
    StyleFields style;                 // as last saved from the style pages
    QString currentEntry;              // the title of the entry last selected in the entry list

private:
    std::unique_ptr<clsData> m_data;
};
