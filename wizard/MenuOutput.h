#pragma once

#include "core/model/StepResult.h"

#include <QString>

class QWidget;
struct EditState;
struct MenuSnapshot;
struct WizardContext;

// What the wizard makes of the menu being edited: Finish (the disc check, the build and the offer to open the
// menu) and the disc image. The window calls it; every failure ends in a notice here.
class MenuOutput
{
public:
    explicit MenuOutput(const WizardContext &context) : m_context(context) {}

    // Stores the menu's record, checks the disc, builds the pages and asks what next: open them in the browser,
    // make the disc image (its dialogs over parent) or close. A menu deleted elsewhere is reported (and the
    // context's menuLost called) before anything is written.
    void finish(const EditState &state, QWidget *parent);
    // The CD root of the menu being edited, once it holds a built menu page; empty before.
    static QString builtRoot(const EditState &state);
    void makeImage(const EditState &state, QWidget *parent);
    // False when the user cancels over the problems the disc check found.
    bool checkDisc(const MenuSnapshot &snapshot);

private:
    const WizardContext &m_context;
};
