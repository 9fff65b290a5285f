#pragma once

class MenuOutput;
class QWidget;
struct EditState;
struct WizardContext;

// Takes the built menu onto a medium from the window: File → Burn to Disc… and File → Copy to Drive…, with their
// checks, progress, Cancel and the notice that tells the outcome.
class MediaOutput
{
public:
    MediaOutput(const WizardContext &context, MenuOutput &output) : m_context(context), m_output(output) {}

    void burn(const EditState &state, QWidget *parent);
    void copy(const EditState &state, QWidget *parent);

private:
    const WizardContext &m_context;
    MenuOutput &m_output;
};
