#pragma once

#include "core/generate/MenuSnapshot.h"

#include <QString>
#include <functional>

struct EditState;
class StyleFontsPage;
class StyleImagesPage;
struct WizardContext;

// The style shared by the two style pages: putting a stored style or the defaults on them, and saving what they
// show into the style library, the CD root, the database and the edit state.
class StyleEditor
{
public:
    StyleEditor(EditState &state, const WizardContext &context);

    void setPages(StyleImagesPage &images, StyleFontsPage &fonts);
    // Called when a new style has been stored, so that the style list offers it.
    void onStyleStored(std::function<void()> refresh) { m_styleStored = std::move(refresh); }

    // Puts the style of a style-list entry ("NEW" or "ID: name") on the pages; false, after a notice, when the
    // entry names no style or its row cannot be used.
    bool load(const QString &listEntry);
    // Copies the media into the style library and the CD root, stores the style and the menu's record and writes
    // the stylesheet. Throws DataError; a failure before storing leaves the pages as they were.
    void saveStyle();

private:
    void setStandardStyles();
    // The style as the two pages show it.
    StyleFields fields() const;
    QString styleFolder() const;
    QString copyStyleFile(const QString &source);
    // The style's files in the CD root: its media in the Menu folder and the stylesheet.
    void writeStyleFiles(const StyleFields &style);
    // Stores the style and the menu's record in one transaction.
    void storeStyle(const StyleFields &style);

    EditState &m_state;
    const WizardContext &m_context;
    StyleImagesPage *m_images = nullptr;
    StyleFontsPage *m_fonts = nullptr;
    std::function<void()> m_styleStored;
    bool m_newChosen = false; // the list entry last loaded was "NEW"
};
