#pragma once

#include "core/model/MakerAddress.h"
#include "core/model/MenuLanguage.h"
#include "core/model/MenuTemplate.h"
#include "core/model/StyleFields.h"

#include <QString>

// What the wizard shows at the moment of writing: everything the stylesheet and page writers and the Finish
// sequence read, as plain values, so that the window and the command line share one build.
struct MenuSnapshot
{
    QString title;        // txtTitle
    QString templateName; // text of cmbTemplate, compared exactly
    StyleFields style;
    QString rootPath;                        // the CD root with its trailing separator (PathMapping::rootPathFor)
    qint64 currentMenuID = 0;                // MenuNo of the entries to write
    QString programFolder;                   // where AUTORUN.INF and Start.exe lie
    QString language = QStringLiteral("en"); // the page's language (MenuLanguage)
    QString makerAddress = MakerAddress::url(); // the footers' link; empty: a footer without one
};
