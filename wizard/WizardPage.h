#pragma once

#include <QGroupBox>

struct EditState;
class FormButtons;
class MenuStore;
class Notices;
struct WizardContext;

// The five steps of the wizard, in their order.
enum class Step { Welcome, General, StyleImages, StyleFonts, Files };

// One of the five pages of the wizard: a frame named "step" whose "index" property is its place in the wizard.
// Going forward, the page left saves its part into the edit state and the page entered loads from it. Either keeps
// the wizard where it was by returning false after a notice of its own; a DataError from the store, which the window
// shows, keeps it there too.
class WizardPage : public QGroupBox
{
    Q_OBJECT

public:
    WizardPage(Step step, const QString &caption, EditState &state, const WizardContext &context, QWidget *parent);
    Step step() const { return m_step; }

    // Checks the page and saves its part; false keeps the user on it.
    virtual bool leave() { return true; }
    // Loads the page when the user comes to it going forward; false keeps the wizard on the page before.
    virtual bool enter() { return true; }

protected:
    EditState &state() const { return m_state; }
    const WizardContext &context() const { return m_context; }
    MenuStore &store() const;
    Notices &notices() const;

private:
    Step m_step;
    EditState &m_state;
    const WizardContext &m_context;
};
