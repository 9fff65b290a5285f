#include "wizard/WizardPage.h"

#include "wizard/Twips.h"

WizardPage::WizardPage(int index, const QString &caption, QWidget *parent) : QGroupBox(caption, parent), m_index(index)
{
    setObjectName(QStringLiteral("step"));
    setProperty("index", index);
    setGeometry(twipsRect(300, 450, 8265, 5655));
}
