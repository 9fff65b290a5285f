#pragma once

#include "core/data/MenuStore.h"
#include "core/model/MenuSnapshot.h"

#include <QString>
#include <optional>

// What the wizard is editing: the menu and its style as the pages last saved them. A plain value: the pages load
// from it and save their own part into it, and read and write the database through the menu store.
struct EditState
{
    // The menu as the build and the disc check read it; the autorun files come from programFolder.
    MenuSnapshot snapshot(const QString &programFolder) const;
    // The menu's row as the store keeps it.
    MenuRecord menuRecord() const;

    qint64 menuId = 0;   // 0 while the menu on the pages was never stored
    bool loaded = false; // the menu was opened with Load
    QString title;
    QString templateName;
    QString language = MenuLanguage::english(); // the page's language code
    std::optional<QString> rootFolder; // the CD root as the general page shows it; none until a folder is chosen
    // The CD root with its trailing separator, for building paths; empty until a folder is chosen.
    QString rootPath() const;
    qint64 styleId = 0;
    bool styleLoaded = false;  // the style's row was loaded from the list and not saved since
    bool styleMissing = false; // the style chosen from the list was no longer stored when it was loaded
    StyleFields style;         // as last saved from the style pages
    QString currentEntry;      // the title of the entry last selected in the entry list
};
