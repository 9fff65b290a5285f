#include "wizard/WizardPage.h"

#include "wizard/Twips.h"
#include "wizard/WizardContext.h"

WizardPage::WizardPage(Step step, const QString &caption, EditState &state, const WizardContext &context,
                       QWidget *parent)
    : QGroupBox(caption, parent), m_step(step), m_state(state), m_context(context)
{
    setObjectName(QStringLiteral("step"));
    setProperty("index", int(step));
    setGeometry(twipsRect(300, 450, 8265, 5655));
}

MenuStore &WizardPage::store() const
{
    return *m_context.store;
}

Notices &WizardPage::notices() const
{
    return *m_context.notices;
}
