#pragma once

#include "core/model/MenuSnapshot.h"
#include "core/model/StepResult.h"

#include <QString>
#include <functional>
#include <vector>

struct EditState;
struct WizardContext;

// The style of the menu being edited, between the edit state and the store: loading a stored style (or the
// defaults) into the edit state, and saving the edit state's style into the style library, the CD root and the
// database. The two style pages show and read their own fields of it.
class StyleEditor
{
public:
    StyleEditor(EditState &state, const WizardContext &context);

    // Called whenever the edit state holds a newly loaded or saved style, for the pages to show it.
    void onStyleChanged(std::function<void()> show) { m_shows.push_back(std::move(show)); }
    // Called when a new style has been stored, so that the style list offers it.
    void onStyleStored(std::function<void()> refresh) { m_styleStored = std::move(refresh); }

    // Puts the defaults of a new style into the edit state, as the style list's "NEW" does.
    void loadNew();
    // Loads the stored style id, which the style list shows as listEntry; false, after a notice naming the entry, when
    // its row cannot be used. A style no longer stored gives the defaults and is stored anew when saved.
    bool load(qint64 id, const QString &listEntry);
    // Copies the media into the style library and the CD root, writes the stylesheet, then stores the style and
    // the menu's record. A file that cannot be copied or written is a failure and stores nothing; the store throws
    // DataError.
    StepResult saveStyle();

private:
    // Puts the style into the edit state and has the pages show it.
    void setStyle(const StyleFields &style);
    QString styleFolder() const;
    StepValue<QString> copyStyleFile(const QString &source);
    // Stores the style and the menu's record in one transaction.
    void storeStyle(const StyleFields &style);

    EditState &m_state;
    const WizardContext &m_context;
    std::vector<std::function<void()>> m_shows;
    std::function<void()> m_styleStored;
    bool m_newChosen = false; // the list entry last loaded was "NEW"
};
